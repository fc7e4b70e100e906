// Full screen, the show's window inside the screen's window: centred at the picture's size
// on a screen of any shape, the whole screen where it is 4:3, and still a window (one pixel)
// when the screen reports no height, as a minimised one does.
#include "gl_test_support.h"
#include "programs/quorrin/letterbox.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

TEST(Letterbox, SitsCentredInAnyScreenAndSurvivesOneOfNoHeight) {
    openTestWindow(320, 240);
    const int screen = glutGetWindow();
    glutDisplayFunc(drawBars);
    openLetterboxedWindow();
    const int shown = glutGetWindow();
    glutDisplayFunc([] {}); // GLUT needs some, to handle the windows' events
    ASSERT_NE(shown, screen);
    struct Placed {
        int screenWidth, screenHeight, left, top, width, height;
    };
    // GLUT counts the window's place from the screen's top-left corner.
    for (const Placed& want :
         {Placed{1920, 1080, 240, 0, 1440, 1080}, Placed{1024, 768, 0, 0, 1024, 768},
          Placed{1080, 1920, 0, 555, 1080, 810}, Placed{1920, 0, 0, 0, 1, 1}}) {
        glutSetWindow(screen);
        placeLetterboxedWindow(want.screenWidth, want.screenHeight);
        EXPECT_EQ(glutGetWindow(), screen); // the caller's window stays current
        for (int i = 0; i < 20; ++i)
            glutMainLoopEvent();
        glutSetWindow(shown);
        EXPECT_EQ(glutGet(GLUT_WINDOW_X), want.left)
            << want.screenWidth << "x" << want.screenHeight;
        EXPECT_EQ(glutGet(GLUT_WINDOW_Y), want.top) << want.screenWidth << "x" << want.screenHeight;
        EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), want.width);
        EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), want.height);
    }
}
