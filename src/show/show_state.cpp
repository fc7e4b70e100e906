#include "show/show_state.h"

#include "draw/random.h"
#include "show/frame_grid.h"
#include "show/scene_routines.h"

void resetShowState() {
    seedRandom(14);
    resetSceneStates();
}

void advanceShowFrame(double elapsedMs) {
    const int scene = chooseScene(elapsedMs);
    if (scene == 0) return;
    sceneRoutines[scene - 1].step(static_cast<float>(sceneProgress(scene, elapsedMs)));
}

void carryShowBetween(std::uint32_t fromMs, std::uint32_t toMs, std::uint32_t fps) {
    for (std::uint32_t k = firstFrameAtOrAfter(fromMs, fps); frameTimeMs(k, fps) < toMs; ++k)
        advanceShowFrame(frameTimeMs(k, fps));
}

void carryShowTo(std::uint32_t showMs, std::uint32_t fps) {
    resetShowState();
    carryShowBetween(0, showMs, fps);
}
