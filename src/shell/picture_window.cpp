#include "shell/picture_window.h"

#include "shell/picture_area.h"
#include "shell/picture_framebuffer.h"
#include "shell/projection.h"
#include "shell/sequencer.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>

static int pictureWindow;
static bool pictureFillsScreen = true;
static PictureFramebuffer pictureTarget;
static int targetWidth, targetHeight;

struct PictureWindowRect {
    int left, top, width, height;
};

// GLUT places a window by its top-left corner, where GL counts the area's rows from the
// bottom. A screen of no height (minimised) still gets a window of one pixel, as X wants.
static PictureWindowRect pictureWindowRect(int screenWidth, int screenHeight) {
    const PictureArea area = pictureAreaFor(screenWidth, screenHeight);
    return {area.x, screenHeight - area.y - area.height, std::max(area.width, 1),
            std::max(area.height, 1)};
}

void openPictureWindow() {
    const int screenWidth = glutGet(GLUT_WINDOW_WIDTH), screenHeight = glutGet(GLUT_WINDOW_HEIGHT);
    const PictureWindowRect place = pictureWindowRect(screenWidth, screenHeight);
    pictureFillsScreen =
        fillsTarget(pictureAreaFor(screenWidth, screenHeight), screenWidth, screenHeight);
    pictureWindow =
        glutCreateSubWindow(glutGetWindow(), place.left, place.top, place.width, place.height);
}

void placePictureWindow(int width, int height) {
    const int screenWindow = glutGetWindow();
    const PictureWindowRect place = pictureWindowRect(width, height);
    pictureFillsScreen = fillsTarget(pictureAreaFor(width, height), width, height);
    glutSetWindow(pictureWindow);
    glutPositionWindow(place.left, place.top);
    glutReshapeWindow(place.width, place.height);
    // A screen of a new shape may want the framebuffer where the window's size stays.
    reshapePicture(place.width, place.height);
    glutSetWindow(screenWindow);
}

void drawBars() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glutSwapBuffers();
}

static bool framebufferObjectsAvailable() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version != nullptr && std::atoi(version) >= 3) return true;
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions != nullptr && std::strstr(extensions, "GL_ARB_framebuffer_object");
}

void reshapePicture(int width, int height) {
    const bool wanted = !pictureFillsScreen && framebufferObjectsAvailable();
    if (!wanted || width != targetWidth || height != targetHeight) {
        deletePictureFramebuffer(pictureTarget);
        targetWidth = targetHeight = 0;
    }
    if (wanted && pictureTarget.framebuffer == 0) {
        pictureTarget = makePictureFramebuffer(width, height, 0, true);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        targetWidth = width;
        targetHeight = height;
    }
    reshape(width, height);
}

void displayPicture() {
    if (pictureTarget.framebuffer == 0) {
        display();
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, pictureTarget.framebuffer);
    drawShowFrame();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, pictureTarget.framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, targetWidth, targetHeight, 0, 0, targetWidth, targetHeight,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glutSwapBuffers();
}
