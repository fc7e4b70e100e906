// Start-up state, reshape and the display callback in a real GL context.
#include "draw/random.h"
#include "gl_test_support.h"
#include "platform/clock_virtual.h"
#include "show/sequencer.h"
#include "viewer/projection.h"

#include <GL/glu.h>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

TEST(ShellFrame, StartUpLeavesTheRestingState) {
    startShowForTest();
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0], 0.0f);
    EXPECT_EQ(clear[3], 1.0f);
    // Start-up draws no random number: the next one is the sequence's first.
    EXPECT_EQ(nextRandom(), 84);
}

TEST(ShellFrame, ReshapeKeepsFortyFiveDegreesAndSurvivesAZeroHeight) {
    openTestWindow();
    for (const auto& size : {std::array{800, 600}, std::array{300, 0}}) {
        reshape(size[0], size[1]);
        GLdouble projection[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        const double height = size[1] < 1 ? 1 : size[1];
        const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
        EXPECT_NEAR(projection[5], f, 1e-6);
        EXPECT_NEAR(projection[0], f / (size[0] / height), 1e-6);
        for (double v : projection)
            EXPECT_TRUE(std::isfinite(v));
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
    }
}

TEST(ShellFrame, DisplayPrintsTheProgressAndEndsOnANeutralTexture) {
    startShowForTest();
    ::testing::internal::CaptureStdout();
    drawShowFrameAt(20000);
    drawShowFrameAt(55000); // scene 4 prints nothing
    drawShowFrameAt(70000);
    std::fflush(stdout);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "0.203593\n0.367089\n");
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(modelviewDepth(), 1);
    EXPECT_EQ(projectionDepth(), 1);
}

TEST(ShellFrame, ACounterWrapDuringTheShowKeepsTimeGoingForward) {
    startShowForTest();
    setVirtualClockStep(0);
    setVirtualClockMs(0xFFFFF000u); // the first frame, 4096 ms before the counter wraps
    ::testing::internal::CaptureStdout();
    display();
    setVirtualClockMs(0x00001000u); // 8192 ms later, past the wrap
    display();
    std::fflush(stdout);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%f\n%f\n", 0.0, 8192.0 / 16600.0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), expected);
}
