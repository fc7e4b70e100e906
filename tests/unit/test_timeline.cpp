// The timeline: which scene a moment belongs to, its progress, and the clock arithmetic.
#include "draw/random.h"
#include "scene_starts.h"
#include "show/scene_table.h"

#include <gtest/gtest.h>

TEST(SceneWindows, EdgesBelongToTheLaterScene) {
    EXPECT_EQ(chooseScene(0), 1);
    EXPECT_EQ(chooseScene(16599.9), 1);
    EXPECT_EQ(chooseScene(16600), 2);
    EXPECT_EQ(chooseScene(33299.999), 2);
    EXPECT_EQ(chooseScene(33300), 3);
    EXPECT_EQ(chooseScene(50200), 4);
    EXPECT_EQ(chooseScene(64199.5), 4);
    EXPECT_EQ(chooseScene(64200), 5);
    EXPECT_EQ(chooseScene(79999.99), 5);
    EXPECT_EQ(chooseScene(80000), 0);
    EXPECT_EQ(chooseScene(4.0e9), 0);
}

TEST(SceneWindows, ProgressRunsFromZeroToJustUnderOneInEveryScene) {
    const auto& starts = sceneStartsMs;
    for (int scene = 1; scene <= 5; ++scene) {
        const double start = starts[scene - 1], end = starts[scene];
        EXPECT_EQ(static_cast<float>(sceneProgress(scene, start)), 0.0f) << scene;
        const double nearEnd = sceneProgress(scene, end - 0.1);
        EXPECT_LT(nearEnd, 1.0) << scene;
        EXPECT_NEAR(nearEnd, 1.0, 1e-5) << scene;
        const double middle = (start + end) / 2;
        EXPECT_NEAR(sceneProgress(scene, middle), 0.5, 1e-12) << scene;
    }
    EXPECT_EQ(sceneProgress(0, 1000), 0);
    EXPECT_EQ(sceneProgress(6, 1000), 0);
}

TEST(SceneWindows, TheWorkedFrameAt20000ms) {
    EXPECT_EQ(chooseScene(20000), 2);
    EXPECT_NEAR(sceneProgress(2, 20000), 0.2035928, 1e-7);
    char printed[32];
    std::snprintf(printed, sizeof printed, "%f", sceneProgress(2, 20000));
    EXPECT_STREQ(printed, "0.203593");
}

TEST(SceneWindows, OnlySceneFourIsSilentOnStandardOutput) {
    EXPECT_TRUE(sceneWindows[0].printsProgress);
    EXPECT_TRUE(sceneWindows[1].printsProgress);
    EXPECT_TRUE(sceneWindows[2].printsProgress);
    EXPECT_FALSE(sceneWindows[3].printsProgress);
    EXPECT_TRUE(sceneWindows[4].printsProgress);
}

TEST(DemoClock, DifferencesSurviveTheCounterWrapping) {
    EXPECT_EQ(elapsedBetween(1000, 1500), 500);
    EXPECT_EQ(elapsedBetween(0xFFFFFF00u, 0x00000100u), 512);
    EXPECT_EQ(elapsedBetween(0xFFFFFFFFu, 0xFFFFFFFFu), 0);
    // A reading with the top bit set is a large positive count, not a negative one.
    EXPECT_EQ(elapsedBetween(0x7FFFFFF0u, 0x80000010u), 32);
}

TEST(RandomSequence, FirstValuesAfterSeedFourteen) {
    seedRandom(14);
    const int expected[] = {84, 27125, 9192, 11643, 22187};
    for (int value : expected)
        EXPECT_EQ(nextRandom(), value);
}

TEST(RandomSequence, StaysInFifteenBitsAndReseedsTheSame) {
    seedRandom(14);
    int first[1000];
    for (int& v : first) {
        v = nextRandom();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
    seedRandom(14);
    for (int v : first)
        ASSERT_EQ(nextRandom(), v);
    EXPECT_FLOAT_EQ(32767 * randomUnitScale, 1.0f);
}
