#include "shell/startup.h"

#include "assets/texture_set.h"
#include "draw/random.h"
#include "platform/quit_signals.h"
#include "shell/display_mode.h"
#include "shell/frame_loop.h"
#include "shell/guarded.h"
#include "shell/music_routines.h"
#include "shell/picture_frame.h"
#include "shell/projection.h"
#include "shell/sequencer.h"
#include "shell/viewer_controls.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

void initDemo() {
    seedRandom(14);
    glClearColor(0, 0, 0, 1);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_COLOR_MATERIAL);
    loadTextureSet();
    openMusic();
}

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

int runShow(int argc, char** argv) {
    keepStandardStreamsOpen();
    // One progress line per frame, delivered as it is drawn, also to a pipe or a log.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    requireDisplay(argc, argv);
    glutInit(&argc, argv); // takes out GLUT's own options before argv[1] is looked at
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGB);
    const DisplayChoice choice = chooseDisplay(argc, argv);
    openDisplay(choice);
    glutSetCursor(GLUT_CURSOR_NONE);
    glutDisplayFunc(guarded<display>);
    // Full screen, a screen that is not 4:3 shows the picture at its own shape between black
    // bars; the window is drawn whole at whatever shape it is given.
    glutReshapeFunc(choice == DisplayChoice::window800 ? guarded<reshape, int, int>
                                                       : guarded<reshapeFullScreen, int, int>);
    glutKeyboardFunc(guarded<keyboard, unsigned char, int, int>);
    glutIdleFunc(guarded<idle>);
    glutSpecialFunc(guarded<specialKey, int, int, int>); // the viewer's jump keys
    glutWindowStatusFunc(guarded<windowStatus, int>);
    initDemo();
    installQuitSignals();
    glutMainLoop();
    return 0;
}
