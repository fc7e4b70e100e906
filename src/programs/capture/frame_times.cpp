#include "programs/capture/frame_times.h"

#include <algorithm>

std::vector<FrameStep> planRange(std::uint32_t fromMs, std::uint32_t toMs, std::uint32_t fps) {
    std::vector<FrameStep> plan;
    const std::uint32_t end = firstFrameAtOrAfter(toMs, fps);
    for (std::uint32_t k = firstFrameAtOrAfter(fromMs, fps); k < end; ++k)
        plan.push_back({frameTimeMs(k, fps), k});
    return plan;
}

std::vector<FrameStep> planStills(std::vector<std::uint32_t> stillsMs, std::uint32_t fps) {
    std::sort(stillsMs.begin(), stillsMs.end());
    stillsMs.erase(std::unique(stillsMs.begin(), stillsMs.end()), stillsMs.end());
    std::vector<FrameStep> plan;
    for (const std::uint32_t still : stillsMs)
        plan.push_back({still, firstFrameAtOrAfter(still, fps)});
    return plan;
}
