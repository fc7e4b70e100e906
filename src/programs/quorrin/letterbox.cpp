#include "programs/quorrin/letterbox.h"

#include "show/picture_area.h"

#include <GL/freeglut.h>
#include <algorithm>

static int showWindow;

struct WindowRect {
    int left, top, width, height;
};

// GLUT places a window by its top-left corner, where GL counts the area's rows from the
// bottom. A screen of no height (minimised) still gets a window of one pixel, as X wants.
static WindowRect showWindowRect(int screenWidth, int screenHeight) {
    const PictureArea area = pictureAreaFor(screenWidth, screenHeight);
    return {area.x, screenHeight - area.y - area.height, std::max(area.width, 1),
            std::max(area.height, 1)};
}

void openLetterboxedWindow() {
    const WindowRect place =
        showWindowRect(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    showWindow =
        glutCreateSubWindow(glutGetWindow(), place.left, place.top, place.width, place.height);
}

void placeLetterboxedWindow(int width, int height) {
    const int screenWindow = glutGetWindow();
    const WindowRect place = showWindowRect(width, height);
    glutSetWindow(showWindow);
    glutPositionWindow(place.left, place.top);
    glutReshapeWindow(place.width, place.height);
    glutSetWindow(screenWindow);
}

void drawBars() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glutSwapBuffers();
}
