// The whole show frame by frame through the real display callback: every frame of all five
// scenes, from the first to the last millisecond, leaves the state the next one starts from.
#include "gl_test_support.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

TEST(WholeShowFrames, EveryFrameOfEverySceneLeavesTheStacksAndTheRestingState) {
    startShowForTest(460, 400);
    GLdouble projection[16], after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    ::testing::internal::CaptureStdout();
    int frames = 0, printing = 0;
    std::string faults;
    // A step that is no divisor of the scene lengths lands on many different offsets.
    for (std::uint32_t ms = 0; ms < 80000 && faults.empty(); ms += 11) {
        drawShowFrameAt(ms);
        ++frames;
        printing += ms < 50200 || ms >= 64200;
        faults = restingStateFaults();
        if (!faults.empty()) faults += " after the frame at " + std::to_string(ms) + " ms";
    }
    std::fflush(stdout);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(faults, "");
    EXPECT_GT(frames, 7000);
    int lines = 0;
    for (char c : out)
        lines += c == '\n';
    EXPECT_EQ(lines, printing); // one progress line a frame, none in scene 4
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(after[i], projection[i]);
}
