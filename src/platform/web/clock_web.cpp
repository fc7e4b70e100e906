// The wall clock the show plays against in a browser: the page's monotonic clock.
#include "platform/clock.h"

#include <cmath>
#include <cstdint>
#include <emscripten.h>

std::uint32_t readClockMs() {
    // Whole milliseconds, wrapping at 2^32 like the native counter.
    const double ms = std::floor(emscripten_get_now());
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}
