#include "music/soundtrack.h"

#include "music/instruments.h"
#include "music/score.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// Noise seeds per instrument, so no two drums share a sequence.
enum NoiseSeed : std::uint32_t { snareSeed = 1, hatSeed, crashSeed, impactSeed, riserSeed };

static bool sameChord(Chord a, Chord b) {
    return a.root == b.root && a.minor == b.minor;
}

static Chord chordOfBar(const Section& s, int bar) {
    return s.chords[static_cast<std::size_t>(bar)];
}

static bool hits(std::string_view pattern, int step) {
    return pattern.size() == stepsPerBar && pattern[static_cast<std::size_t>(step)] != '.';
}
static float velocity(std::string_view pattern, int step) {
    return pattern[static_cast<std::size_t>(step)] == 'o' ? 0.45f : 1.0f;
}

static void playDrums(Mix& mix, const Section& s, std::uint32_t& count) {
    const double step = stepSeconds(s);
    for (int bar = 0; bar < barsPerSection; ++bar)
        for (int k = 0; k < stepsPerBar; ++k) {
            const double t = s.start + (bar * stepsPerBar + k) * step;
            const bool drums = bar >= s.drumsFromBar && bar < s.drumsUntilBar;
            ++count;
            if (drums && hits(s.kick, k)) kick(mix, t, 0.8f * velocity(s.kick, k));
            if (drums && hits(s.snare, k))
                snare(mix, t, 0.42f * velocity(s.snare, k), seedOf(snareSeed, count));
            if (bar < s.hatsFromBar) continue;
            if (hits(s.openHat, k))
                hat(mix, t, 0.16f, true, seedOf(hatSeed, count));
            else if (hits(s.hat, k))
                hat(mix, t, 0.14f * velocity(s.hat, k), false, seedOf(hatSeed, count));
        }
}

static void playBass(Mix& mix, const Section& s) {
    const double step = stepSeconds(s);
    for (int bar = s.bassFromBar; bar < barsPerSection; ++bar) {
        const Chord chord = chordOfBar(s, bar);
        for (int k = 0; k < stepsPerBar; ++k) {
            const char c = s.bass[static_cast<std::size_t>(k)];
            if (c == '.' || c == '-') continue;
            int held = 1;
            while (k + held < stepsPerBar && s.bass[static_cast<std::size_t>(k + held)] == '.')
                ++held;
            const int offset = c == 'o' ? 12 : (c == 'f' ? 7 : 0);
            const double t = s.start + (bar * stepsPerBar + k) * step;
            bassNote(mix, t, held * step * 0.85, chord.root + offset, 0.34f);
        }
    }
}

static void playPads(Mix& mix, const Section& s) {
    const double barLength = stepSeconds(s) * stepsPerBar;
    for (int bar = 0; bar < barsPerSection; ++bar) {
        // A chord held over from the bar before is one long note, not a fresh attack.
        const Chord chord = chordOfBar(s, bar);
        if (bar > 0 && sameChord(chordOfBar(s, bar - 1), chord)) continue;
        int bars = 1;
        while (bar + bars < barsPerSection && sameChord(chordOfBar(s, bar + bars), chord))
            ++bars;
        // The filter opens (or closes) bar by bar across the section.
        const double u = static_cast<double>(bar) / (barsPerSection - 1);
        const double cutoff = s.padCutoffFrom * std::pow(s.padCutoffTo / s.padCutoffFrom, u);
        padChord(mix, s.start + bar * barLength, bars * barLength, voicing(chord), s.padGain,
                 s.padAttack, cutoff);
    }
}

static void playMelody(std::vector<float>& bus, const Section& s) {
    const double step = stepSeconds(s);
    const int total = barsPerSection * stepsPerBar;
    for (int base = 0; base < total && !s.lead.empty(); base += s.leadRepeat)
        for (const Note& n : s.lead)
            leadNote(bus, s.start + (base + n.step) * step, n.length * step * 0.95, n.note, 0.16f);
    if (s.arpGain <= 0) return;
    // Up and down through the chord, an octave above the pads, one note per sixteenth.
    constexpr int shape[8] = {0, 1, 2, 3, 4, 3, 2, 1};
    for (int bar = s.arpFromBar; bar < barsPerSection; ++bar) {
        const std::array<int, 3> v = voicing(chordOfBar(s, bar));
        const int tones[5] = {v[0] + 12, v[1] + 12, v[2] + 12, v[0] + 24, v[1] + 24};
        for (int k = 0; k < stepsPerBar; ++k)
            pluckNote(bus, s.start + (bar * stepsPerBar + k) * step, tones[shape[k % 8]],
                      s.arpGain);
    }
}

// Ping-pong echo of the mono melody bus: first repeat left, then right, each quieter.
static void echoInto(Mix& mix, const std::vector<float>& bus) {
    const std::size_t delay = frameAt(0.39);
    const float feedback = 0.38f, wet = 0.55f;
    std::vector<float> left(bus.size(), 0.0f), right(bus.size(), 0.0f);
    for (std::size_t i = 0; i < bus.size(); ++i) {
        if (i >= delay) {
            left[i] = bus[i - delay] + feedback * right[i - delay];
            right[i] = feedback * left[i - delay];
        }
        mix.left[i] += bus[i] + wet * left[i];
        mix.right[i] += bus[i] + wet * right[i];
    }
}

// The band ducks around each hit: it drops away just before, holds back for a moment
// and swells again after, so every hit stands out from what leads into it.
static std::vector<float> duckGain(std::size_t frames, const std::vector<double>& accents) {
    std::vector<float> gain(frames, 1.0f);
    const double fall = 0.12, hold = 0.05, after = 0.35, floor = 0.15;
    for (const double a : accents) {
        const std::size_t first = frameAt(a - fall), last = std::min(frames, frameAt(a + after));
        for (std::size_t i = first; i < last; ++i) {
            const double t = static_cast<double>(i) / sampleRate - a;
            double g = floor;
            if (t < -hold)
                g = 1.0 - (1.0 - floor) * (t + fall) / (fall - hold);
            else if (t >= 0)
                g = floor + (1.0 - floor) * t / after;
            gain[i] = std::min(gain[i], static_cast<float>(std::clamp(g, floor, 1.0)));
        }
    }
    return gain;
}

Mix mixSoundtrack() {
    Mix band = makeMix(songFrames);
    std::vector<float> melody(songFrames, 0.0f);
    std::uint32_t stepCount = 0, sectionIndex = 0;
    for (const Section& s : sections()) {
        ++sectionIndex;
        playDrums(band, s, stepCount);
        playBass(band, s);
        playPads(band, s);
        playMelody(melody, s);
        if (s.crashAtStart) crash(band, s.start, 0.3f, seedOf(crashSeed, sectionIndex));
        if (s.riserAtEnd)
            riser(band, s.end - stepSeconds(s) * stepsPerBar, s.end, 0.22f,
                  seedOf(riserSeed, sectionIndex));
    }
    echoInto(band, melody);

    const std::vector<double> accents = accentTimes();
    const std::vector<float> duck = duckGain(songFrames, accents);
    Mix hits = makeMix(songFrames);
    for (std::size_t k = 0; k < accents.size(); ++k) {
        const double room = k + 1 < accents.size() ? accents[k + 1] - accents[k] : 2.0;
        std::array<int, 3> stab = voicing(chordAt(accents[k]));
        for (int& n : stab)
            n += 12;
        impact(hits, accents[k], room, stab, 1.0f,
               seedOf(impactSeed, static_cast<std::uint32_t>(k)));
    }

    const std::size_t fadeFirst = frameAt(fadeStart), last = songFrames - 1;
    for (std::size_t i = 0; i < songFrames; ++i) {
        float g = 1.0f;
        if (i >= fadeFirst) {
            // sin^2 falls smoothly and reaches exactly zero on the last frame.
            const double u = static_cast<double>(last - i) / static_cast<double>(last - fadeFirst);
            const double s = std::sin(u * std::numbers::pi / 2);
            g = static_cast<float>(s * s);
        }
        band.left[i] = g * (duck[i] * band.left[i] + hits.left[i]);
        band.right[i] = g * (duck[i] * band.right[i] + hits.right[i]);
    }
    return band;
}

std::vector<std::int16_t> renderSoundtrack() {
    const Mix mix = mixSoundtrack();
    float peak = 1e-9f;
    for (std::size_t i = 0; i < songFrames; ++i)
        peak = std::max({peak, std::fabs(mix.left[i]), std::fabs(mix.right[i])});
    const float scale = peakLevel * 32767.0f / peak;
    std::vector<std::int16_t> out(songFrames * channelCount);
    for (std::size_t i = 0; i < songFrames; ++i) {
        out[2 * i] = static_cast<std::int16_t>(std::lround(mix.left[i] * scale));
        out[2 * i + 1] = static_cast<std::int16_t>(std::lround(mix.right[i] * scale));
    }
    return out;
}
