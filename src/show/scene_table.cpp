#include "show/scene_table.h"

double elapsedBetween(std::uint32_t startMs, std::uint32_t nowMs) {
    return static_cast<double>(static_cast<std::uint32_t>(nowMs - startMs));
}

double sceneStartMs(int scene) {
    double start = 0;
    for (int before = 1; before < scene && before <= sceneCount; ++before)
        start += sceneWindows[before - 1].lengthMs;
    return start;
}

int chooseScene(double elapsedMs) {
    double end = 0;
    for (int scene = 1; scene <= sceneCount; ++scene) {
        end += sceneWindows[scene - 1].lengthMs;
        if (elapsedMs < end) return scene;
    }
    return 0;
}

double sceneProgress(int scene, double elapsedMs) {
    if (scene < 1 || scene > sceneCount) return 0;
    // The starts of the scenes before are taken off one after another, so the rounding is
    // the same on every machine.
    double offset = elapsedMs;
    for (int before = 1; before < scene; ++before)
        offset -= sceneWindows[before - 1].lengthMs;
    return offset * sceneWindows[scene - 1].multiplier;
}
