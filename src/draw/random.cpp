#include "draw/random.h"

static std::uint32_t randomState;

void seedRandom(std::uint32_t seed) {
    randomState = seed;
}

int nextRandom() {
    randomState = randomState * 214013u + 2531011u; // wraps modulo 2^32 by design
    return static_cast<int>((randomState >> 16) & 0x7fffu);
}

std::uint32_t currentRandomState() {
    return randomState;
}
