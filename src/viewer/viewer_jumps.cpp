#include "viewer/viewer_jumps.h"

#include "show/scene_table.h"

std::uint32_t jumpTarget(ViewerJump jump, double showMs) {
    const auto now = static_cast<std::uint32_t>(showMs < 0 ? 0 : showMs);
    const int scene = chooseScene(now);
    const auto sceneStart = static_cast<std::uint32_t>(sceneStartMs(scene == 0 ? 6 : scene));
    switch (jump) {
    case ViewerJump::back5s:
        return now > jumpStepMs ? now - jumpStepMs : 0;
    case ViewerJump::forward5s:
        return now + jumpStepMs;
    case ViewerJump::sceneStart:
        if (now - sceneStart < sceneStartGraceMs && scene > 1)
            return static_cast<std::uint32_t>(sceneStartMs(scene - 1));
        return sceneStart;
    case ViewerJump::nextScene:
        return static_cast<std::uint32_t>(sceneStartMs(scene == 0 ? 6 : scene + 1));
    case ViewerJump::toStart:
        return 0;
    }
    return now;
}
