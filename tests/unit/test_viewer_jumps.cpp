// Where the viewer's jump keys land, from moments across the show.
#include "shell/viewer_jumps.h"

#include <gtest/gtest.h>

TEST(ViewerJumps, FiveSecondsBackStopsAtTheStartAndForwardMayPassTheEnd) {
    EXPECT_EQ(jumpTarget(ViewerJump::back5s, 12345.6), 7345u);
    EXPECT_EQ(jumpTarget(ViewerJump::back5s, 4999), 0u);
    EXPECT_EQ(jumpTarget(ViewerJump::forward5s, 3000), 8000u);
    EXPECT_EQ(jumpTarget(ViewerJump::forward5s, 76000), 81000u); // the show then ends
    EXPECT_EQ(jumpTarget(ViewerJump::toStart, 60000), 0u);
}

TEST(ViewerJumps, SceneKeysGoToSceneStartsAndBackOneSceneNearAStart) {
    EXPECT_EQ(jumpTarget(ViewerJump::nextScene, 20000), 33300u);
    EXPECT_EQ(jumpTarget(ViewerJump::nextScene, 0), 16600u);
    EXPECT_EQ(jumpTarget(ViewerJump::nextScene, 70000), 80000u); // past the last: the end
    EXPECT_EQ(jumpTarget(ViewerJump::sceneStart, 40000), 33300u);
    EXPECT_EQ(jumpTarget(ViewerJump::sceneStart, 34300), 33300u);   // a second in: this scene
    EXPECT_EQ(jumpTarget(ViewerJump::sceneStart, 34299.9), 16600u); // within it: the one before
    EXPECT_EQ(jumpTarget(ViewerJump::sceneStart, 33300), 16600u);
    EXPECT_EQ(jumpTarget(ViewerJump::sceneStart, 500), 0u); // scene 1 has none before
    EXPECT_EQ(jumpTarget(ViewerJump::sceneStart, 64200), 50200u);
}
