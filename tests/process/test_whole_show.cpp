// The real program through all five scenes under a virtual clock: it ends with status 0,
// prints its progress in every scene but the fourth, and GL reports no error on the way
// (a matrix pushed and not popped overflows its stack within a few dozen frames, a pop too
// many underflows at once, and Mesa names either on standard error).
#include "process_runner.h"
#include "scene_starts.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(WholeShow, RunsEveryFrameToTheEndWithoutAGlErrorAndPrintsAllButSceneFour) {
    const int stepMs = 17;
    const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, std::to_string(stepMs), "-w"},
                                         {.env = {"MESA_DEBUG=1"}, .timeoutSeconds = 600});
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");

    // The progress climbs through a scene and falls back at the next one: four climbs, for
    // scenes 1, 2, 3 and 5, each exactly as long as the scene has frames and running from its
    // first frame's progress to its last's. Frame k is drawn at k steps of the clock.
    const auto& starts = sceneStartsMs;
    std::vector<int> framesIn(5, 0), firstMs(5, -1), lastMs(5, -1);
    for (int ms = stepMs; ms < 80000; ms += stepMs) {
        int scene = 0;
        while (ms >= starts[scene + 1])
            ++scene;
        ++framesIn[scene];
        if (firstMs[scene] < 0) firstMs[scene] = ms;
        lastMs[scene] = ms;
    }
    const auto progress = [&starts](int scene, int ms) {
        return (ms - starts[scene]) / (starts[scene + 1] - starts[scene]);
    };
    std::vector<std::vector<double>> climbs;
    for (const std::string& line : splitLines(run.out)) {
        const double value = std::atof(line.c_str());
        if (climbs.empty() || value < climbs.back().back()) climbs.emplace_back();
        climbs.back().push_back(value);
    }
    ASSERT_EQ(climbs.size(), 4u);
    const int printedScenes[] = {0, 1, 2, 4};
    for (int i = 0; i < 4; ++i) {
        const int scene = printedScenes[i];
        EXPECT_EQ(static_cast<int>(climbs[i].size()), framesIn[scene]) << "scene " << scene + 1;
        EXPECT_NEAR(climbs[i].front(), progress(scene, firstMs[scene]), 1e-6) << scene + 1;
        EXPECT_NEAR(climbs[i].back(), progress(scene, lastMs[scene]), 1e-6) << scene + 1;
    }
    EXPECT_GT(framesIn[3], 800); // scene 4 had its frames, silently
}
