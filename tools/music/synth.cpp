#include "music/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Mix makeMix(std::size_t frames) {
    return Mix{std::vector<float>(frames, 0.0f), std::vector<float>(frames, 0.0f)};
}

std::size_t frameAt(double seconds) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(std::llround(seconds * sampleRate));
}

Pan panGains(float pan) {
    const float angle = (std::clamp(pan, -1.0f, 1.0f) + 1) * std::numbers::pi_v<float> / 4;
    return {std::cos(angle), std::sin(angle)};
}

Noise makeNoise(std::uint32_t seed) {
    return Noise{seed != 0 ? seed : 0x6d2b79f5u};
}

float nextNoise(Noise& noise) {
    std::uint32_t x = noise.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    noise.state = x;
    return static_cast<float>(x >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

std::uint32_t seedOf(std::uint32_t a, std::uint32_t b) {
    std::uint32_t h = a * 0x9e3779b1u ^ (b + 0x7f4a7c15u + (a << 6) + (a >> 2));
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return h;
}

double noteHz(double midiNote) {
    return 440.0 * std::exp2((midiNote - 69.0) / 12.0);
}

float saw(double phase, double step) {
    double value = 2.0 * phase - 1.0;
    // Smooth the jump over one sample on either side to keep aliasing down.
    if (phase < step) {
        const double t = phase / step;
        value -= t + t - t * t - 1.0;
    } else if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        value -= t * t + t + t + 1.0;
    }
    return static_cast<float>(value);
}

float onePoleCoefficient(double hz) {
    return static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * hz / sampleRate));
}

float svfFrequency(double hz) {
    return static_cast<float>(
        2.0 * std::sin(std::numbers::pi * std::min(hz, sampleRate / 6.0) / sampleRate));
}

SvfOut svf(Svf& s, float input, float frequency, float damping) {
    s.low += frequency * s.band;
    const float high = input - s.low - damping * s.band;
    s.band += frequency * high;
    return {s.low, s.band, high};
}
