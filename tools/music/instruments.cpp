#include "music/instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorrin::music {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDt = 1.0 / kSampleRate;

// Calls body(i, tau) for every frame of an event of `length` seconds that lies inside the
// mix, with tau the time since its start.
template <typename Body>
void each_frame(std::size_t frames, double start, double length, Body body) {
    const std::size_t first = frame_at(start);
    const std::size_t last = std::min(frames, frame_at(start + length));
    for (std::size_t i = first; i < last; ++i)
        body(i, static_cast<double>(i - first) * kDt);
}

float decay(double tau, double time_constant) {
    return static_cast<float>(std::exp(-tau / time_constant));
}

// A few milliseconds of fade-in so no event starts with a click.
float onset(double tau, double ramp) {
    return static_cast<float>(std::min(1.0, tau / ramp));
}

} // namespace

void kick(Mix& mix, double start, float gain) {
    double phase = 0;
    each_frame(frames_of(mix), start, 0.45, [&](std::size_t i, double tau) {
        const double hz = 45.0 + 120.0 * std::exp(-tau / 0.03);
        phase += hz * kDt;
        const float body =
            static_cast<float>(std::sin(kTwoPi * phase)) * decay(tau, 0.22) * onset(tau, 0.0015);
        const float v = gain * std::tanh(1.6f * body) / std::tanh(1.6f);
        mix.left[i] += v;
        mix.right[i] += v;
    });
}

void snare(Mix& mix, double start, float gain, std::uint32_t seed) {
    Noise noise = make_noise(seed);
    Svf left_filter, right_filter;
    const float f = svf_frequency(1900);
    double phase = 0;
    each_frame(frames_of(mix), start, 0.35, [&](std::size_t i, double tau) {
        phase += (180.0 + 60.0 * std::exp(-tau / 0.02)) * kDt;
        const float tone = 0.5f * static_cast<float>(std::sin(kTwoPi * phase)) * decay(tau, 0.05);
        const float common = next_noise(noise), side = next_noise(noise);
        const float env = decay(tau, 0.11) * onset(tau, 0.001);
        const float l = svf(left_filter, common + 0.3f * side, f, 1.2f).high;
        const float r = svf(right_filter, common - 0.3f * side, f, 1.2f).high;
        mix.left[i] += gain * (tone + 0.7f * env * l);
        mix.right[i] += gain * (tone + 0.7f * env * r);
    });
}

void hat(Mix& mix, double start, float gain, bool open, std::uint32_t seed) {
    Noise noise = make_noise(seed);
    const float c = one_pole_coefficient(6500);
    float low1 = 0, low2 = 0;
    const Pan pan = pan_gains(0.3f);
    each_frame(frames_of(mix), start, open ? 0.5 : 0.12, [&](std::size_t i, double tau) {
        // Two high-passes (input minus its low-passed self) leave the metallic top end.
        const float x = next_noise(noise);
        const float h1 = x - one_pole(low1, x, c);
        const float h2 = h1 - one_pole(low2, h1, c);
        const float v = gain * h2 * decay(tau, open ? 0.14 : 0.028) * onset(tau, 0.0008);
        mix.left[i] += v * pan.left;
        mix.right[i] += v * pan.right;
    });
}

void crash(Mix& mix, double start, float gain, std::uint32_t seed) {
    Noise left = make_noise(seed), right = make_noise(seed ^ 0x5bd1e995u);
    const float c = one_pole_coefficient(3000);
    float low_l = 0, low_r = 0;
    each_frame(frames_of(mix), start, 2.5, [&](std::size_t i, double tau) {
        const float env = gain * decay(tau, 0.7) * onset(tau, 0.001);
        const float l = next_noise(left), r = next_noise(right);
        mix.left[i] += env * (l - one_pole(low_l, l, c));
        mix.right[i] += env * (r - one_pole(low_r, r, c));
    });
}

void bass_note(Mix& mix, double start, double length, int note, float gain) {
    const double hz = note_hz(note);
    const double step = hz * kDt;
    double phase = 0;
    Svf filter;
    each_frame(frames_of(mix), start, length + 0.02, [&](std::size_t i, double tau) {
        const double cutoff = 180.0 + 1500.0 * std::exp(-tau / 0.09);
        const float filtered = svf(filter, saw(phase, step), svf_frequency(cutoff), 0.5f).low;
        // The saw's own phase drives the sine, so the two stay locked together.
        const float sine = static_cast<float>(std::sin(kTwoPi * phase));
        phase = advance(phase, step);
        const float release =
            static_cast<float>(std::clamp((length + 0.02 - tau) / 0.02, 0.0, 1.0));
        const float v = gain * (0.55f * filtered + 0.45f * sine) * onset(tau, 0.003) * release;
        mix.left[i] += v;
        mix.right[i] += v;
    });
}

void pad_chord(Mix& mix, double start, double length, std::span<const int> notes, float gain,
               double attack, double cutoff) {
    constexpr std::size_t kMaxVoices = 6;
    const std::size_t voices = std::min(notes.size(), kMaxVoices);
    const double detune = std::exp2(8.0 / 1200.0);
    double step_a[kMaxVoices] = {}, step_b[kMaxVoices] = {};
    double phase_a[kMaxVoices] = {}, phase_b[kMaxVoices] = {};
    for (std::size_t v = 0; v < voices; ++v) {
        step_a[v] = note_hz(notes[v]) * detune * kDt;
        step_b[v] = note_hz(notes[v]) / detune * kDt;
        // Start the two saws apart so the chord does not open with a phasing sweep.
        phase_b[v] = 0.37 + 0.05 * static_cast<double>(notes[v] % 7);
    }
    // The filter is linear, so the sharp saws are summed per side and filtered once.
    const float c = one_pole_coefficient(cutoff);
    float l1 = 0, l2 = 0, r1 = 0, r2 = 0;
    const double release = 0.5;
    each_frame(frames_of(mix), start, length + release, [&](std::size_t i, double tau) {
        float a = 0, b = 0;
        for (std::size_t v = 0; v < voices; ++v) {
            a += saw(phase_a[v], step_a[v]);
            b += saw(phase_b[v], step_b[v]);
            phase_a[v] = advance(phase_a[v], step_a[v]);
            phase_b[v] = advance(phase_b[v], step_b[v]);
        }
        const double rise = std::min(1.0, tau / attack);
        const double fall = tau < length ? 1.0 : std::max(0.0, 1.0 - (tau - length) / release);
        const float env = gain * static_cast<float>(rise * fall);
        mix.left[i] += env * one_pole(l2, one_pole(l1, 0.8f * a + 0.2f * b, c), c);
        mix.right[i] += env * one_pole(r2, one_pole(r1, 0.2f * a + 0.8f * b, c), c);
    });
}

void lead_note(std::vector<float>& bus, double start, double length, int note, float gain) {
    const double base = note_hz(note);
    double phase = 0, vibrato = 0;
    const float c = one_pole_coefficient(3200);
    float low1 = 0, low2 = 0;
    each_frame(bus.size(), start, length + 0.08, [&](std::size_t i, double tau) {
        // Vibrato eases in after the attack, as a singer's would.
        const double depth = 0.004 * std::min(1.0, std::max(0.0, tau - 0.15) / 0.3);
        const double step = base * (1.0 + depth * std::sin(kTwoPi * vibrato)) * kDt;
        vibrato += 5.2 * kDt;
        // Pulse of 30 % width: a saw minus a shifted saw.
        double shifted = phase + 0.3;
        if (shifted >= 1.0) shifted -= 1.0;
        const float pulse = saw(phase, step) - saw(shifted, step);
        const float tone = 0.6f * pulse + 0.4f * saw(phase, step);
        phase = advance(phase, step);
        const double sustain = 0.7 + 0.3 * std::exp(-tau / 0.2);
        const double release = tau < length ? 1.0 : std::max(0.0, 1.0 - (tau - length) / 0.08);
        const float env = gain * onset(tau, 0.006) * static_cast<float>(sustain * release);
        bus[i] += env * one_pole(low2, one_pole(low1, tone, c), c);
    });
}

void pluck_note(std::vector<float>& bus, double start, int note, float gain) {
    const double step = note_hz(note) * kDt;
    double phase = 0;
    Svf filter;
    each_frame(bus.size(), start, 0.5, [&](std::size_t i, double tau) {
        const double cutoff = 400.0 + 4000.0 * std::exp(-tau / 0.05);
        const float v = svf(filter, saw(phase, step), svf_frequency(cutoff), 0.7f).low;
        phase = advance(phase, step);
        bus[i] += gain * v * decay(tau, 0.12) * onset(tau, 0.002);
    });
}

void impact(Mix& mix, double start, double room, std::span<const int> chord, float gain,
            std::uint32_t seed) {
    Noise left = make_noise(seed), right = make_noise(seed ^ 0x27d4eb2fu);
    const float burst_c = one_pole_coefficient(500), tail_c = one_pole_coefficient(4000),
                stab_c = one_pole_coefficient(2800);
    float bl = 0, br = 0, tl = 0, tr = 0, sl = 0;
    double boom = 0;
    double phases[8] = {};
    const std::size_t voices = std::min<std::size_t>(chord.size(), 8);
    const double length = std::min(1.6, room);
    each_frame(frames_of(mix), start, length, [&](std::size_t i, double tau) {
        boom += (38.0 + 110.0 * std::exp(-tau / 0.04)) * kDt;
        const float low = static_cast<float>(std::sin(kTwoPi * boom)) * decay(tau, 0.14);
        const float nl = next_noise(left), nr = next_noise(right);
        const float burst = decay(tau, 0.025);
        const float tail = 0.3f * decay(tau, 0.45);
        float stab = 0;
        for (std::size_t v = 0; v < voices; ++v) {
            const double step = note_hz(chord[v]) * kDt;
            stab += saw(phases[v], step);
            phases[v] = advance(phases[v], step);
        }
        stab = one_pole(sl, stab / static_cast<float>(std::max<std::size_t>(voices, 1)), stab_c) *
               0.9f * decay(tau, 0.16);
        // Choke: the hit is gone by the time the next one lands.
        const float choke = static_cast<float>(std::clamp((length - tau) / 0.04, 0.0, 1.0));
        const float env = gain * choke * onset(tau, 0.0005);
        const float l =
            burst * (nl - one_pole(bl, nl, burst_c)) + tail * (nl - one_pole(tl, nl, tail_c));
        const float r =
            burst * (nr - one_pole(br, nr, burst_c)) + tail * (nr - one_pole(tr, nr, tail_c));
        mix.left[i] += env * (low + l + stab);
        mix.right[i] += env * (low + r + stab);
    });
}

void riser(Mix& mix, double start, double end, float gain, std::uint32_t seed) {
    Noise noise = make_noise(seed);
    Svf left_filter, right_filter;
    const double length = end - start;
    each_frame(frames_of(mix), start, length, [&](std::size_t i, double tau) {
        const double u = tau / length;
        const float f = svf_frequency(300.0 * std::pow(20.0, u));
        const float x = next_noise(noise), y = next_noise(noise);
        const float env = gain * static_cast<float>(u * u);
        mix.left[i] += env * svf(left_filter, x, f, 0.4f).band;
        mix.right[i] += env * svf(right_filter, y, f, 0.4f).band;
    });
}

} // namespace quorrin::music
