// The show's timeline as the tests know it, written out apart from the code under test:
// scene n runs from sceneStartsMs[n - 1] up to sceneStartsMs[n]; the last entry is the end.
#pragma once

inline constexpr double sceneStartsMs[] = {0, 16600, 33300, 50200, 64200, 80000};

// The scene (1 ... 5) playing at ms, or 0 once the show is over.
inline int sceneOfMs(double ms) {
    for (int scene = 1; scene <= 5; ++scene)
        if (ms < sceneStartsMs[scene]) return scene;
    return 0;
}
