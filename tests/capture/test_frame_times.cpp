// Where frames fall on the show's millisecond clock and which of them a capture draws.
#include "programs/capture/frame_times.h"

#include <gtest/gtest.h>

TEST(FrameTimes, RoundToTheNearestMillisecondWithHalvesUp) {
    // 60 fps: 16.67, 33.33, 50 ... ms.
    const std::uint32_t at60[] = {0, 17, 33, 50, 67, 83, 100};
    for (std::uint32_t k = 0; k < 7; ++k)
        EXPECT_EQ(frameTimeMs(k, 60), at60[k]) << k;
    // 80 fps puts every other frame exactly on a half millisecond.
    EXPECT_EQ(frameTimeMs(1, 80), 13u); // 12.5
    EXPECT_EQ(frameTimeMs(3, 80), 38u); // 37.5
    EXPECT_EQ(frameTimeMs(2, 80), 25u);
    EXPECT_EQ(frameTimeMs(1, 3), 333u);  // 333.33
    EXPECT_EQ(frameTimeMs(2, 3), 667u);  // 666.67
    EXPECT_EQ(frameTimeMs(7, 25), 280u); // exact rates stay exact
}

TEST(FrameTimes, NeverDriftOverTheWholeShow) {
    // A float accumulator would wander; the integer rule lands on the exact second marks.
    EXPECT_EQ(frameTimeMs(4800, 60), 80000u);
    EXPECT_EQ(frameTimeMs(996, 60), 16600u);
    EXPECT_EQ(frameTimeMs(1998, 60), 33300u);
    EXPECT_EQ(frameTimeMs(2397, 30), 79900u);
    EXPECT_EQ(frameTimeMs(19199, 240), 79996u); // 79995.83
    for (std::uint32_t fps : {1u, 24u, 29u, 60u, 144u, 240u})
        for (std::uint32_t k = 1; k < fps * 80; ++k)
            ASSERT_GT(frameTimeMs(k, fps), frameTimeMs(k - 1, fps)) << fps << " " << k;
}

TEST(FrameTimes, FirstFrameAtOrAfterAMoment) {
    EXPECT_EQ(firstFrameAtOrAfter(0, 60), 0u);
    EXPECT_EQ(firstFrameAtOrAfter(1, 60), 1u);
    EXPECT_EQ(firstFrameAtOrAfter(17, 60), 1u);
    EXPECT_EQ(firstFrameAtOrAfter(18, 60), 2u);
    EXPECT_EQ(firstFrameAtOrAfter(16600, 60), 996u);
    EXPECT_EQ(firstFrameAtOrAfter(80000, 60), 4800u);
    for (std::uint32_t fps : {7u, 60u, 240u}) {
        for (std::uint32_t ms = 0; ms <= 3000; ++ms) {
            const std::uint32_t k = firstFrameAtOrAfter(ms, fps);
            ASSERT_GE(frameTimeMs(k, fps), ms);
            if (k > 0) {
                ASSERT_LT(frameTimeMs(k - 1, fps), ms) << fps << " " << ms;
            }
        }
    }
}

TEST(FramePlans, ARangeDrawsItsOwnGridFrames) {
    const std::vector<FrameStep> plan = planRange(15600, 17600, 60);
    ASSERT_EQ(plan.size(), 120u); // frames 936 ... 1055
    for (std::uint32_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].frame, 936 + i);
        EXPECT_EQ(plan[i].ms, frameTimeMs(936 + i, 60));
    }
    EXPECT_EQ(plan.front().ms, 15600u);
    EXPECT_EQ(plan.back().ms, 17583u);
}

TEST(FramePlans, TheWholeShowAndItsEnds) {
    const std::vector<FrameStep> whole = planRange(0, 80000, 60);
    EXPECT_EQ(whole.size(), 4800u);
    EXPECT_EQ(whole.back().ms, 79983u); // 80000 itself ends the show and is never drawn
    // The end is left out, a start between frames moves to the next frame.
    EXPECT_EQ(planRange(0, 17, 60).size(), 1u);
    EXPECT_EQ(planRange(1, 18, 60).size(), 1u);
    EXPECT_TRUE(planRange(1, 17, 60).empty()); // no frame in between
}

TEST(FramePlans, StillsComeInTimeOrderAtTheirOwnMillisecond) {
    const std::vector<FrameStep> plan = planStills({50, 20, 50, 0}, 60);
    // The repeat of 50 is dropped; 20 lies between grid frames 1 and 2, and 50 is frame 3.
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_TRUE(plan[0].ms == 0 && plan[0].frame == 0);
    EXPECT_TRUE(plan[1].ms == 20 && plan[1].frame == 2);
    EXPECT_TRUE(plan[2].ms == 50 && plan[2].frame == 3);
}
