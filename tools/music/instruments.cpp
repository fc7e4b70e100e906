#include "music/instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

static constexpr double twoPi = 2.0 * std::numbers::pi;
static constexpr double dt = 1.0 / sampleRate;

// Calls body(i, tau) for every frame of an event of `length` seconds that lies inside the
// mix, with tau the time since its start.
template <typename Body>
static void eachFrame(std::size_t frames, double start, double length, Body body) {
    const std::size_t first = frameAt(start);
    const std::size_t last = std::min(frames, frameAt(start + length));
    for (std::size_t i = first; i < last; ++i)
        body(i, static_cast<double>(i - first) * dt);
}

static float decay(double tau, double timeConstant) {
    return static_cast<float>(std::exp(-tau / timeConstant));
}

// A few milliseconds of fade-in so no event starts with a click.
static float onset(double tau, double ramp) {
    return static_cast<float>(std::min(1.0, tau / ramp));
}

void kick(Mix& mix, double start, float gain) {
    double phase = 0;
    eachFrame(framesOf(mix), start, 0.45, [&](std::size_t i, double tau) {
        const double hz = 45.0 + 120.0 * std::exp(-tau / 0.03);
        phase += hz * dt;
        const float body =
            static_cast<float>(std::sin(twoPi * phase)) * decay(tau, 0.22) * onset(tau, 0.0015);
        const float v = gain * std::tanh(1.6f * body) / std::tanh(1.6f);
        mix.left[i] += v;
        mix.right[i] += v;
    });
}

void snare(Mix& mix, double start, float gain, std::uint32_t seed) {
    Noise noise = makeNoise(seed);
    Svf leftFilter, rightFilter;
    const float f = svfFrequency(1900);
    double phase = 0;
    eachFrame(framesOf(mix), start, 0.35, [&](std::size_t i, double tau) {
        phase += (180.0 + 60.0 * std::exp(-tau / 0.02)) * dt;
        const float tone = 0.5f * static_cast<float>(std::sin(twoPi * phase)) * decay(tau, 0.05);
        const float common = nextNoise(noise), side = nextNoise(noise);
        const float env = decay(tau, 0.11) * onset(tau, 0.001);
        const float l = svf(leftFilter, common + 0.3f * side, f, 1.2f).high;
        const float r = svf(rightFilter, common - 0.3f * side, f, 1.2f).high;
        mix.left[i] += gain * (tone + 0.7f * env * l);
        mix.right[i] += gain * (tone + 0.7f * env * r);
    });
}

void hat(Mix& mix, double start, float gain, bool open, std::uint32_t seed) {
    Noise noise = makeNoise(seed);
    const float c = onePoleCoefficient(6500);
    float low1 = 0, low2 = 0;
    const Pan pan = panGains(0.3f);
    eachFrame(framesOf(mix), start, open ? 0.5 : 0.12, [&](std::size_t i, double tau) {
        // Two high-passes (input minus its low-passed self) leave the metallic top end.
        const float x = nextNoise(noise);
        const float h1 = x - onePole(low1, x, c);
        const float h2 = h1 - onePole(low2, h1, c);
        const float v = gain * h2 * decay(tau, open ? 0.14 : 0.028) * onset(tau, 0.0008);
        mix.left[i] += v * pan.left;
        mix.right[i] += v * pan.right;
    });
}

void crash(Mix& mix, double start, float gain, std::uint32_t seed) {
    Noise left = makeNoise(seed), right = makeNoise(seed ^ 0x5bd1e995u);
    const float c = onePoleCoefficient(3000);
    float lowLeft = 0, lowRight = 0;
    eachFrame(framesOf(mix), start, 2.5, [&](std::size_t i, double tau) {
        const float env = gain * decay(tau, 0.7) * onset(tau, 0.001);
        const float l = nextNoise(left), r = nextNoise(right);
        mix.left[i] += env * (l - onePole(lowLeft, l, c));
        mix.right[i] += env * (r - onePole(lowRight, r, c));
    });
}

void bassNote(Mix& mix, double start, double length, int note, float gain) {
    const double hz = noteHz(note);
    const double step = hz * dt;
    double phase = 0;
    Svf filter;
    eachFrame(framesOf(mix), start, length + 0.02, [&](std::size_t i, double tau) {
        const double cutoff = 180.0 + 1500.0 * std::exp(-tau / 0.09);
        const float filtered = svf(filter, saw(phase, step), svfFrequency(cutoff), 0.5f).low;
        // The saw's own phase drives the sine, so the two stay locked together.
        const float sine = static_cast<float>(std::sin(twoPi * phase));
        phase = advance(phase, step);
        const float release =
            static_cast<float>(std::clamp((length + 0.02 - tau) / 0.02, 0.0, 1.0));
        const float v = gain * (0.55f * filtered + 0.45f * sine) * onset(tau, 0.003) * release;
        mix.left[i] += v;
        mix.right[i] += v;
    });
}

void padChord(Mix& mix, double start, double length, std::span<const int> notes, float gain,
              double attack, double cutoff) {
    constexpr std::size_t maxVoices = 6;
    const std::size_t voices = std::min(notes.size(), maxVoices);
    const double detune = std::exp2(8.0 / 1200.0);
    double stepA[maxVoices] = {}, stepB[maxVoices] = {};
    double phaseA[maxVoices] = {}, phaseB[maxVoices] = {};
    for (std::size_t v = 0; v < voices; ++v) {
        stepA[v] = noteHz(notes[v]) * detune * dt;
        stepB[v] = noteHz(notes[v]) / detune * dt;
        // Start the two saws apart so the chord does not open with a phasing sweep.
        phaseB[v] = 0.37 + 0.05 * static_cast<double>(notes[v] % 7);
    }
    // The filter is linear, so the sharp saws are summed per side and filtered once.
    const float c = onePoleCoefficient(cutoff);
    float l1 = 0, l2 = 0, r1 = 0, r2 = 0;
    const double release = 0.5;
    eachFrame(framesOf(mix), start, length + release, [&](std::size_t i, double tau) {
        float a = 0, b = 0;
        for (std::size_t v = 0; v < voices; ++v) {
            a += saw(phaseA[v], stepA[v]);
            b += saw(phaseB[v], stepB[v]);
            phaseA[v] = advance(phaseA[v], stepA[v]);
            phaseB[v] = advance(phaseB[v], stepB[v]);
        }
        const double rise = std::min(1.0, tau / attack);
        const double fall = tau < length ? 1.0 : std::max(0.0, 1.0 - (tau - length) / release);
        const float env = gain * static_cast<float>(rise * fall);
        mix.left[i] += env * onePole(l2, onePole(l1, 0.8f * a + 0.2f * b, c), c);
        mix.right[i] += env * onePole(r2, onePole(r1, 0.2f * a + 0.8f * b, c), c);
    });
}

void leadNote(std::vector<float>& bus, double start, double length, int note, float gain) {
    const double base = noteHz(note);
    double phase = 0, vibrato = 0;
    const float c = onePoleCoefficient(3200);
    float low1 = 0, low2 = 0;
    eachFrame(bus.size(), start, length + 0.08, [&](std::size_t i, double tau) {
        // Vibrato eases in after the attack, as a singer's would.
        const double depth = 0.004 * std::min(1.0, std::max(0.0, tau - 0.15) / 0.3);
        const double step = base * (1.0 + depth * std::sin(twoPi * vibrato)) * dt;
        vibrato += 5.2 * dt;
        // Pulse of 30 % width: a saw minus a shifted saw.
        double shifted = phase + 0.3;
        if (shifted >= 1.0) shifted -= 1.0;
        const float pulse = saw(phase, step) - saw(shifted, step);
        const float tone = 0.6f * pulse + 0.4f * saw(phase, step);
        phase = advance(phase, step);
        const double sustain = 0.7 + 0.3 * std::exp(-tau / 0.2);
        const double release = tau < length ? 1.0 : std::max(0.0, 1.0 - (tau - length) / 0.08);
        const float env = gain * onset(tau, 0.006) * static_cast<float>(sustain * release);
        bus[i] += env * onePole(low2, onePole(low1, tone, c), c);
    });
}

void pluckNote(std::vector<float>& bus, double start, int note, float gain) {
    const double step = noteHz(note) * dt;
    double phase = 0;
    Svf filter;
    eachFrame(bus.size(), start, 0.5, [&](std::size_t i, double tau) {
        const double cutoff = 400.0 + 4000.0 * std::exp(-tau / 0.05);
        const float v = svf(filter, saw(phase, step), svfFrequency(cutoff), 0.7f).low;
        phase = advance(phase, step);
        bus[i] += gain * v * decay(tau, 0.12) * onset(tau, 0.002);
    });
}

void impact(Mix& mix, double start, double room, std::span<const int> chord, float gain,
            std::uint32_t seed) {
    Noise left = makeNoise(seed), right = makeNoise(seed ^ 0x27d4eb2fu);
    const float burstC = onePoleCoefficient(500), tailC = onePoleCoefficient(4000),
                stabC = onePoleCoefficient(2800);
    float bl = 0, br = 0, tl = 0, tr = 0, sl = 0;
    double boom = 0;
    double phases[8] = {};
    const std::size_t voices = std::min<std::size_t>(chord.size(), 8);
    const double length = std::min(1.6, room);
    eachFrame(framesOf(mix), start, length, [&](std::size_t i, double tau) {
        boom += (38.0 + 110.0 * std::exp(-tau / 0.04)) * dt;
        const float low = static_cast<float>(std::sin(twoPi * boom)) * decay(tau, 0.14);
        const float nl = nextNoise(left), nr = nextNoise(right);
        const float burst = decay(tau, 0.025);
        const float tail = 0.3f * decay(tau, 0.45);
        float stab = 0;
        for (std::size_t v = 0; v < voices; ++v) {
            const double step = noteHz(chord[v]) * dt;
            stab += saw(phases[v], step);
            phases[v] = advance(phases[v], step);
        }
        stab = onePole(sl, stab / static_cast<float>(std::max<std::size_t>(voices, 1)), stabC) *
               0.9f * decay(tau, 0.16);
        // Choke: the hit is gone by the time the next one lands.
        const float choke = static_cast<float>(std::clamp((length - tau) / 0.04, 0.0, 1.0));
        const float env = gain * choke * onset(tau, 0.0005);
        const float l =
            burst * (nl - onePole(bl, nl, burstC)) + tail * (nl - onePole(tl, nl, tailC));
        const float r =
            burst * (nr - onePole(br, nr, burstC)) + tail * (nr - onePole(tr, nr, tailC));
        mix.left[i] += env * (low + l + stab);
        mix.right[i] += env * (low + r + stab);
    });
}

void riser(Mix& mix, double start, double end, float gain, std::uint32_t seed) {
    Noise noise = makeNoise(seed);
    Svf leftFilter, rightFilter;
    const double length = end - start;
    eachFrame(framesOf(mix), start, length, [&](std::size_t i, double tau) {
        const double u = tau / length;
        const float f = svfFrequency(300.0 * std::pow(20.0, u));
        const float x = nextNoise(noise), y = nextNoise(noise);
        const float env = gain * static_cast<float>(u * u);
        mix.left[i] += env * svf(leftFilter, x, f, 0.4f).band;
        mix.right[i] += env * svf(rightFilter, y, f, 0.4f).band;
    });
}
