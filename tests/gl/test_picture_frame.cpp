// Full-screen frames on a screen that is not 4:3, both ways of drawing them: through a
// picture-sized framebuffer, and (where there are no framebuffer objects) in place behind a
// scissor. The test's own framebuffer plays the screen.
#include "gl_test_support.h"
#include "shell/picture_frame.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

// Black columns of the bars, and picture edge columns that show something, in a 320x180
// screen holding a 240x180 picture from x 40.
static std::string barFaults() {
    const std::vector<std::uint8_t> screen = readFramebuffer();
    long litBarPixels = 0;
    bool leftEdgeLit = false, rightEdgeLit = false;
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 320; ++x) {
            const std::uint8_t* p = &screen[(static_cast<std::size_t>(y) * 320 + x) * 3];
            const bool lit = (p[0] | p[1] | p[2]) != 0;
            if (x < 40 || x >= 280) litBarPixels += lit;
            leftEdgeLit = leftEdgeLit || (x == 40 && lit);
            rightEdgeLit = rightEdgeLit || (x == 279 && lit);
        }
    std::string faults;
    if (litBarPixels != 0) faults += std::to_string(litBarPixels) + " bar pixels lit; ";
    if (!leftEdgeLit || !rightEdgeLit) faults += "the picture does not reach its edges";
    return faults;
}

TEST(PictureFrame, BarsStayBlackUnderFlashesAndClearsAndTheScenesStateIsLeftAlone) {
    startShowForTest(320, 180);
    for (const PictureRoute route : {PictureRoute::framebuffer, PictureRoute::scissor}) {
        // A frame over the whole screen first, as before a full-screen window is given the
        // screen's size: the bars must not keep it.
        placePicture(320, 180, PictureRoute::direct);
        drawShowFrameAt(48200);
        placePicture(320, 180, route);
        ASSERT_EQ(pictureRoute(), route);
        // Scene 3's flash wipes the colour buffer white in mid-frame; scene 5's second frame
        // is cleared with its grey.
        for (const std::uint32_t ms : {48200u, 64200u, 64217u}) {
            drawShowFrameAt(ms);
            EXPECT_EQ(barFaults(), "") << ms << " ms, route " << static_cast<int>(route);
            EXPECT_EQ(restingStateFaults(), "") << ms << " ms";
            EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
        }
        // The clear colour scene 5 set for its next frame survived the bars' clearing.
        GLfloat clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        EXPECT_FLOAT_EQ(clear[0], static_cast<float>(0.2 - 0.2 * (17.0 / 15800)));
        EXPECT_EQ(clear[3], 1.0f);
    }
}

TEST(PictureFrame, FourByThreeScreensAndMinimisedWindowsAreDrawnDirectly) {
    openTestWindow();
    reshapeFullScreen(1024, 768);
    EXPECT_EQ(pictureRoute(), PictureRoute::direct);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
    reshapeFullScreen(1920, 1080);
    EXPECT_EQ(pictureRoute(), PictureRoute::framebuffer);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[2], 1440);
    EXPECT_EQ(viewport[3], 1080);
    reshapeFullScreen(1920, 0);
    EXPECT_EQ(pictureRoute(), PictureRoute::direct);
}
