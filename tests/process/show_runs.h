// What the whole-program tests share: where things are and what a stepped run prints.
#pragma once
#include "scene_starts.h"

#include <cstdio>
#include <string>
#include <vector>

// The progress lines a run stepped by stepMs prints for frames up to (not including) endMs:
// frame k is drawn at k * stepMs (the first frame reads the clock twice), and scene 4 prints
// nothing.
inline std::vector<std::string> expectedProgressLines(int stepMs, int endMs = 80000) {
    std::vector<std::string> lines;
    for (int ms = stepMs; ms < endMs && ms < 80000; ms += stepMs) {
        const int scene = sceneOfMs(ms);
        if (scene == 4) continue;
        char line[32];
        std::snprintf(line, sizeof line, "%f",
                      (ms - sceneStartsMs[scene - 1]) /
                          (sceneStartsMs[scene] - sceneStartsMs[scene - 1]));
        lines.push_back(line);
    }
    return lines;
}

inline std::string dataPath(const std::string& name) {
    return std::string(QUORRIN_DATA_DIR "/") + name;
}
