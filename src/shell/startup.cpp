#include "shell/startup.h"

#include "platform/signals.h"
#include "shell/display_mode.h"
#include "shell/frame_loop.h"
#include "shell/guarded.h"
#include "shell/init_demo.h"
#include "shell/picture_window.h"
#include "shell/projection.h"
#include "shell/sequencer.h"
#include "shell/viewer_controls.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// Without an X display GLUT can only abort; say what is missing in the show's own words.
static void requireDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-display") == 0) return; // GLUT's own option names one
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && display[0] != '\0') return;
    std::fprintf(stderr, "quorrin: no X display to show on (DISPLAY is not set); run it on a "
                         "desktop, or headless under xvfb-run\n");
    std::exit(1);
}

// Started with standard output (or input, or error) closed, the next file the show opened
// would take its number, and the progress lines would be written into a picture or into the
// X connection. /dev/null holds those places instead.
static void keepStandardStreamsOpen() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) continue;
        const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
}

static void takeKeysAndWindowStatus() {
    glutKeyboardFunc(guarded<keyboard, unsigned char, int, int>);
    glutSpecialFunc(guarded<specialKey, int, int, int>); // the viewer's jump keys
    glutWindowStatusFunc(guarded<windowStatus, int>);
}

int runShow(int argc, char** argv) {
    keepStandardStreamsOpen();
    // One progress line per frame, delivered as it is drawn, also to a pipe or a log.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    requireDisplay(argc, argv);
    glutInit(&argc, argv); // takes out GLUT's own options before argv[1] is looked at
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGB);
    const DisplayChoice choice = chooseDisplay(argc, argv);
    openDisplay(choice);
    if (choice != DisplayChoice::window800) {
        // Full screen, the screen's own window only shows black bars around the picture
        // window, which the show draws in; either may have the keys.
        glutSetCursor(GLUT_CURSOR_NONE);
        glutDisplayFunc(guarded<drawBars>);
        glutReshapeFunc(guarded<placePictureWindow, int, int>);
        takeKeysAndWindowStatus();
        openPictureWindow();
    }
    // The window the show draws in: the -w window, drawn whole at whatever shape it is
    // given, or the picture window.
    glutSetCursor(GLUT_CURSOR_NONE);
    const bool windowed = choice == DisplayChoice::window800;
    glutDisplayFunc(windowed ? guarded<display> : guarded<displayPicture>);
    glutReshapeFunc(windowed ? guarded<reshape, int, int> : guarded<reshapePicture, int, int>);
    takeKeysAndWindowStatus();
    setDrawingWindow(glutGetWindow());
    glutIdleFunc(guarded<idle>);
    initDemo();
    installSignals();
    glutMainLoop();
    return 0;
}
