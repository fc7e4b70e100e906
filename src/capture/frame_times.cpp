#include "capture/frame_times.h"

#include <algorithm>

std::uint32_t firstFrameAtOrAfter(std::uint32_t ms, std::uint32_t fps) {
    // Start just below the exact answer and step up: at most a couple of steps.
    std::uint64_t k = static_cast<std::uint64_t>(ms) * fps / 1000;
    k = k > 0 ? k - 1 : 0;
    while (frameTimeMs(static_cast<std::uint32_t>(k), fps) < ms)
        ++k;
    return static_cast<std::uint32_t>(k);
}

std::vector<FrameStep> planRange(std::uint32_t fromMs, std::uint32_t toMs, std::uint32_t fps) {
    std::vector<FrameStep> plan;
    const std::uint32_t first = firstFrameAtOrAfter(fromMs, fps);
    const std::uint32_t end = firstFrameAtOrAfter(toMs, fps);
    if (first >= end) return plan;
    plan.reserve(end);
    for (std::uint32_t k = 0; k < end; ++k)
        plan.push_back({frameTimeMs(k, fps), k >= first, k});
    return plan;
}

std::vector<FrameStep> planStills(std::vector<std::uint32_t> stillsMs, std::uint32_t fps) {
    std::sort(stillsMs.begin(), stillsMs.end());
    stillsMs.erase(std::unique(stillsMs.begin(), stillsMs.end()), stillsMs.end());
    std::vector<FrameStep> plan;
    std::uint32_t next = 0; // the next grid frame not yet drawn
    for (const std::uint32_t still : stillsMs) {
        for (; frameTimeMs(next, fps) < still; ++next)
            plan.push_back({frameTimeMs(next, fps), false, next});
        const bool onGrid = frameTimeMs(next, fps) == still;
        plan.push_back({still, true, next});
        if (onGrid) ++next;
    }
    return plan;
}

std::uint32_t keptCount(const std::vector<FrameStep>& plan) {
    return static_cast<std::uint32_t>(
        std::count_if(plan.begin(), plan.end(), [](const FrameStep& s) { return s.kept; }));
}
