#include "programs/quorrin/display_mode.h"

#include "viewer/viewer_window.h"

#include <GL/freeglut.h>
#include <algorithm>

DisplayChoice chooseDisplay(int argc, char** argv) {
    if (argc < 2 || argv[1] == nullptr || argv[1][0] != '-') return DisplayChoice::gameMode1024;
    if (argv[1][1] == 'v') return DisplayChoice::gameMode640;
    if (argv[1][1] == 'w') return DisplayChoice::window800;
    return DisplayChoice::gameMode1024;
}

WindowPlace placeWindow(int screenWidth, int screenHeight) {
    const int x = std::max(0, std::min(windowX, screenWidth - windowWidth));
    const int y = std::max(0, std::min(windowY, screenHeight - windowHeight));
    return {x, y};
}

static void openFullScreenWindow() {
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutCreateWindow(viewerTitle);
    glutFullScreen();
}

void openDisplay(DisplayChoice choice) {
    if (choice == DisplayChoice::window800) {
        const WindowPlace place =
            placeWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
        glutInitWindowSize(windowWidth, windowHeight);
        glutInitWindowPosition(place.x, place.y);
        glutCreateWindow(viewerTitle);
        return;
    }
    glutGameModeString(choice == DisplayChoice::gameMode640 ? "640x480:32@60" : "1024x768:32@60");
    // Many screens refuse the mode switch (a virtual X server, a desktop without mode
    // setting); then the show plays full screen at the screen's own size.
    if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE) == 0 || glutEnterGameMode() == 0 ||
        glutGameModeGet(GLUT_GAME_MODE_ACTIVE) == 0)
        openFullScreenWindow();
}
