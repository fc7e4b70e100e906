// A small seeded generator and tileable value noise, so every picture comes out the same
// on every run and machine.
#pragma once
#include <cstdint>
#include <vector>

// xorshift32: tiny, fast and fully determined by its seed (a zero seed is replaced).
struct Rng {
    std::uint32_t state;
};
Rng makeRng(std::uint32_t seed);
std::uint32_t nextU32(Rng& rng);
float nextUnit(Rng& rng); // [0, 1)

// Random values on a square lattice that wraps after `period` cells.
struct ValueNoise {
    int period = 0;
    std::vector<float> lattice;
};
ValueNoise makeValueNoise(int period, std::uint32_t seed);

// Smooth (quintic) interpolation of the lattice at (x, y), in lattice cells; wraps.
float sample(const ValueNoise& noise, float x, float y);

// Sum of `octaves` layers of value noise over a size x size field, the first with
// basePeriod cells across the field and each next one twice as fine at `persistence`
// times the weight; stretched to exactly 0..1 and tileable. Row-major, top row first.
std::vector<float> fbmField(int size, int basePeriod, int octaves, float persistence,
                            std::uint32_t seed);
