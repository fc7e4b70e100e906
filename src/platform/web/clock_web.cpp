// The clock the show plays against in a page (its clock.js): the page's own until the music
// plays, then the music's, so picture and sound stay in step; a test's stepped clock
// (#step=MS) advances MS at each reading instead.
#include "platform/clock.h"

#include <cmath>
#include <cstdint>
#include <emscripten.h>

EM_JS(double, pageClockMs, (), { return Module.showClock.ms(); });

std::uint32_t readClockMs() {
    // Whole milliseconds, wrapping at 2^32 like the native counter.
    const double ms = std::floor(pageClockMs());
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}
