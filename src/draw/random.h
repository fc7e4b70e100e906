// The show's own pseudo-random sequence, shared by every table that is filled once.
// Its values must come out the same on every machine, so the C library's rand() is not used.
#pragma once
#include <cstdint>

void seedRandom(std::uint32_t seed);
// The next value of the sequence, 0 ... 32767.
int nextRandom();
// The generator's 32-bit state: two runs that agree on it will draw the same values.
std::uint32_t currentRandomState();

// The single-precision number nearest 1/32767: turns a draw into 0 ... 1.
inline constexpr float randomUnitScale = 3.0518509e-05f;
