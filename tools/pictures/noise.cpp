#include "pictures/noise.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

Rng makeRng(std::uint32_t seed) {
    return Rng{seed != 0 ? seed : 0x9e3779b9u};
}

std::uint32_t nextU32(Rng& rng) {
    std::uint32_t x = rng.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    rng.state = x;
    return x;
}

float nextUnit(Rng& rng) {
    return static_cast<float>(nextU32(rng) >> 8) * (1.0f / 16777216.0f);
}

ValueNoise makeValueNoise(int period, std::uint32_t seed) {
    ValueNoise noise;
    noise.period = period;
    Rng rng = makeRng(seed);
    noise.lattice.resize(static_cast<std::size_t>(period) * static_cast<std::size_t>(period));
    for (float& v : noise.lattice)
        v = nextUnit(rng);
    return noise;
}

static float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

static int wrap(int i, int period) {
    return ((i % period) + period) % period;
}

float sample(const ValueNoise& noise, float x, float y) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = fade(x - fx), ty = fade(y - fy);
    const int p = noise.period;
    auto lattice = [&](int i, int j) {
        return noise.lattice[static_cast<std::size_t>(wrap(j, p)) * static_cast<std::size_t>(p) +
                             static_cast<std::size_t>(wrap(i, p))];
    };
    const float top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const float bottom = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

std::vector<float> fbmField(int size, int basePeriod, int octaves, float persistence,
                            std::uint32_t seed) {
    std::vector<float> field(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
    float weight = 1;
    int period = basePeriod;
    for (int o = 0; o < octaves; ++o) {
        const ValueNoise noise = makeValueNoise(period, seed + 7919u * static_cast<unsigned>(o));
        const float scale = static_cast<float>(period) / static_cast<float>(size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                field[static_cast<std::size_t>(y * size + x)] +=
                    weight *
                    sample(noise, static_cast<float>(x) * scale, static_cast<float>(y) * scale);
        weight *= persistence;
        period *= 2;
    }
    const auto [lo, hi] = std::minmax_element(field.begin(), field.end());
    const float low = *lo, range = std::max(*hi - *lo, 1e-6f);
    for (float& v : field)
        v = (v - low) / range;
    return field;
}
