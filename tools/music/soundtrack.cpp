#include "music/soundtrack.h"

#include "music/instruments.h"
#include "music/score.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorrin::music {

namespace {

// Noise seeds per instrument, so no two drums share a sequence.
enum Seed : std::uint32_t { kSnareSeed = 1, kHatSeed, kCrashSeed, kImpactSeed, kRiserSeed };

bool same_chord(Chord a, Chord b) {
    return a.root == b.root && a.minor == b.minor;
}

Chord chord_of_bar(const Section& s, int bar) {
    return s.chords[static_cast<std::size_t>(bar)];
}

bool hits(std::string_view pattern, int step) {
    return pattern.size() == kStepsPerBar && pattern[static_cast<std::size_t>(step)] != '.';
}
float velocity(std::string_view pattern, int step) {
    return pattern[static_cast<std::size_t>(step)] == 'o' ? 0.45f : 1.0f;
}

void play_drums(Mix& mix, const Section& s, std::uint32_t& count) {
    const double step = step_seconds(s);
    for (int bar = 0; bar < kBarsPerSection; ++bar)
        for (int k = 0; k < kStepsPerBar; ++k) {
            const double t = s.start + (bar * kStepsPerBar + k) * step;
            const bool drums = bar >= s.drums_from_bar && bar < s.drums_until_bar;
            ++count;
            if (drums && hits(s.kick, k)) kick(mix, t, 0.8f * velocity(s.kick, k));
            if (drums && hits(s.snare, k))
                snare(mix, t, 0.42f * velocity(s.snare, k), seed_of(kSnareSeed, count));
            if (bar < s.hats_from_bar) continue;
            if (hits(s.open_hat, k))
                hat(mix, t, 0.16f, true, seed_of(kHatSeed, count));
            else if (hits(s.hat, k))
                hat(mix, t, 0.14f * velocity(s.hat, k), false, seed_of(kHatSeed, count));
        }
}

void play_bass(Mix& mix, const Section& s) {
    const double step = step_seconds(s);
    for (int bar = s.bass_from_bar; bar < kBarsPerSection; ++bar) {
        const Chord chord = chord_of_bar(s, bar);
        for (int k = 0; k < kStepsPerBar; ++k) {
            const char c = s.bass[static_cast<std::size_t>(k)];
            if (c == '.' || c == '-') continue;
            int held = 1;
            while (k + held < kStepsPerBar && s.bass[static_cast<std::size_t>(k + held)] == '.')
                ++held;
            const int offset = c == 'o' ? 12 : (c == 'f' ? 7 : 0);
            const double t = s.start + (bar * kStepsPerBar + k) * step;
            bass_note(mix, t, held * step * 0.85, chord.root + offset, 0.34f);
        }
    }
}

void play_pads(Mix& mix, const Section& s) {
    const double bar_length = step_seconds(s) * kStepsPerBar;
    for (int bar = 0; bar < kBarsPerSection; ++bar) {
        // A chord held over from the bar before is one long note, not a fresh attack.
        const Chord chord = chord_of_bar(s, bar);
        if (bar > 0 && same_chord(chord_of_bar(s, bar - 1), chord)) continue;
        int bars = 1;
        while (bar + bars < kBarsPerSection && same_chord(chord_of_bar(s, bar + bars), chord))
            ++bars;
        // The filter opens (or closes) bar by bar across the section.
        const double u = static_cast<double>(bar) / (kBarsPerSection - 1);
        const double cutoff = s.pad_cutoff_from * std::pow(s.pad_cutoff_to / s.pad_cutoff_from, u);
        pad_chord(mix, s.start + bar * bar_length, bars * bar_length, voicing(chord), s.pad_gain,
                  s.pad_attack, cutoff);
    }
}

void play_melody(std::vector<float>& bus, const Section& s) {
    const double step = step_seconds(s);
    const int total = kBarsPerSection * kStepsPerBar;
    for (int base = 0; base < total && !s.lead.empty(); base += s.lead_repeat)
        for (const Note& n : s.lead)
            lead_note(bus, s.start + (base + n.step) * step, n.length * step * 0.95, n.note, 0.16f);
    if (s.arp_gain <= 0) return;
    // Up and down through the chord, an octave above the pads, one note per sixteenth.
    constexpr int kShape[8] = {0, 1, 2, 3, 4, 3, 2, 1};
    for (int bar = s.arp_from_bar; bar < kBarsPerSection; ++bar) {
        const std::array<int, 3> v = voicing(chord_of_bar(s, bar));
        const int tones[5] = {v[0] + 12, v[1] + 12, v[2] + 12, v[0] + 24, v[1] + 24};
        for (int k = 0; k < kStepsPerBar; ++k)
            pluck_note(bus, s.start + (bar * kStepsPerBar + k) * step, tones[kShape[k % 8]],
                       s.arp_gain);
    }
}

// Ping-pong echo of the mono melody bus: first repeat left, then right, each quieter.
void echo_into(Mix& mix, const std::vector<float>& bus) {
    const std::size_t delay = frame_at(0.39);
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
std::vector<float> duck_gain(std::size_t frames, const std::vector<double>& accents) {
    std::vector<float> gain(frames, 1.0f);
    const double fall = 0.12, hold = 0.05, after = 0.35, floor = 0.15;
    for (const double a : accents) {
        const std::size_t first = frame_at(a - fall), last = std::min(frames, frame_at(a + after));
        for (std::size_t i = first; i < last; ++i) {
            const double t = static_cast<double>(i) / kSampleRate - a;
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

} // namespace

Mix mix_soundtrack() {
    Mix band = make_mix(kSongFrames);
    std::vector<float> melody(kSongFrames, 0.0f);
    std::uint32_t step_count = 0, section_index = 0;
    for (const Section& s : sections()) {
        ++section_index;
        play_drums(band, s, step_count);
        play_bass(band, s);
        play_pads(band, s);
        play_melody(melody, s);
        if (s.crash_at_start) crash(band, s.start, 0.3f, seed_of(kCrashSeed, section_index));
        if (s.riser_at_end)
            riser(band, s.end - step_seconds(s) * kStepsPerBar, s.end, 0.22f,
                  seed_of(kRiserSeed, section_index));
    }
    echo_into(band, melody);

    const std::vector<double> accents = accent_times();
    const std::vector<float> duck = duck_gain(kSongFrames, accents);
    Mix hits = make_mix(kSongFrames);
    for (std::size_t k = 0; k < accents.size(); ++k) {
        const double room = k + 1 < accents.size() ? accents[k + 1] - accents[k] : 2.0;
        std::array<int, 3> stab = voicing(chord_at(accents[k]));
        for (int& n : stab)
            n += 12;
        impact(hits, accents[k], room, stab, 1.0f,
               seed_of(kImpactSeed, static_cast<std::uint32_t>(k)));
    }

    const std::size_t fade_first = frame_at(kFadeStart), last = kSongFrames - 1;
    for (std::size_t i = 0; i < kSongFrames; ++i) {
        float g = 1.0f;
        if (i >= fade_first) {
            // sin^2 falls smoothly and reaches exactly zero on the last frame.
            const double u = static_cast<double>(last - i) / static_cast<double>(last - fade_first);
            const double s = std::sin(u * std::numbers::pi / 2);
            g = static_cast<float>(s * s);
        }
        band.left[i] = g * (duck[i] * band.left[i] + hits.left[i]);
        band.right[i] = g * (duck[i] * band.right[i] + hits.right[i]);
    }
    return band;
}

std::vector<std::int16_t> render_soundtrack() {
    const Mix mix = mix_soundtrack();
    float peak = 1e-9f;
    for (std::size_t i = 0; i < kSongFrames; ++i)
        peak = std::max({peak, std::fabs(mix.left[i]), std::fabs(mix.right[i])});
    const float scale = kPeakLevel * 32767.0f / peak;
    std::vector<std::int16_t> out(kSongFrames * kChannels);
    for (std::size_t i = 0; i < kSongFrames; ++i) {
        out[2 * i] = static_cast<std::int16_t>(std::lround(mix.left[i] * scale));
        out[2 * i + 1] = static_cast<std::int16_t>(std::lround(mix.right[i] * scale));
    }
    return out;
}

} // namespace quorrin::music
