// Building blocks of the synthesizer: a stereo mix buffer, noise, oscillators and filters.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int sampleRate = 44100;

// Stereo float samples, one entry per frame.
struct Mix {
    std::vector<float> left;
    std::vector<float> right;
};
Mix makeMix(std::size_t frames);
inline std::size_t framesOf(const Mix& mix) {
    return mix.left.size();
}

// The frame a time in seconds falls on (negative times give frame 0).
std::size_t frameAt(double seconds);

// Equal-power pan: -1 hard left, 0 centre, 1 hard right.
struct Pan {
    float left, right;
};
Pan panGains(float pan);

// xorshift32 white noise: the same sequence for the same seed, on every machine.
struct Noise {
    std::uint32_t state;
};
Noise makeNoise(std::uint32_t seed);
float nextNoise(Noise& noise); // [-1, 1)

// Mixes a few numbers into a well-spread seed, so each event gets its own noise.
std::uint32_t seedOf(std::uint32_t a, std::uint32_t b);

double noteHz(double midiNote);

// Band-limited sawtooth (polyBLEP) at phase 0..1 advancing by `step` per sample.
float saw(double phase, double step);
inline double advance(double phase, double step) {
    phase += step;
    return phase >= 1.0 ? phase - 1.0 : phase;
}

// One-pole low-pass; coefficient from the cutoff in Hz.
float onePoleCoefficient(double hz);
inline float onePole(float& state, float input, float coefficient) {
    state += coefficient * (input - state);
    return state;
}

// Chamberlin state-variable filter: low, band and high outputs at once. Stable for the
// cutoffs used here (well under a sixth of the sample rate).
struct Svf {
    float low = 0, band = 0;
};
struct SvfOut {
    float low, band, high;
};
float svfFrequency(double hz);
SvfOut svf(Svf& state, float input, float frequency, float damping);
