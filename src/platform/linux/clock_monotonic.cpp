// The wall clock the show plays against.
#include "platform/clock.h"

#include <ctime>

std::uint32_t readClockMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    // Truncation to 32 bits is intended: callers subtract readings modulo 2^32.
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}
