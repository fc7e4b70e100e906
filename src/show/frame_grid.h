// Where the frames of a run at a steady frame rate fall on the show's clock, which counts
// whole milliseconds: frame k at k * 1000 / fps ms, rounded to the nearest whole millisecond
// with halves up, worked in integers so it never drifts (frame 4800 at 60 fps is 80 000 ms).
#pragma once
#include <cstdint>

inline constexpr std::uint32_t frameTimeMs(std::uint32_t k, std::uint32_t fps) {
    // round(k * 1000 / fps) = floor((2000 k + fps) / (2 fps)); 64 bits hold any show length.
    const std::uint64_t twice = 2000ull * k + fps;
    return static_cast<std::uint32_t>(twice / (2ull * fps));
}

// The first frame at or after ms.
inline constexpr std::uint32_t firstFrameAtOrAfter(std::uint32_t ms, std::uint32_t fps) {
    // Start just below the exact answer and step up: at most a couple of steps.
    std::uint64_t k = static_cast<std::uint64_t>(ms) * fps / 1000;
    k = k > 0 ? k - 1 : 0;
    while (frameTimeMs(static_cast<std::uint32_t>(k), fps) < ms)
        ++k;
    return static_cast<std::uint32_t>(k);
}
