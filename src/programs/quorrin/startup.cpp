#include "programs/quorrin/startup.h"

#include "platform/display.h"
#include "platform/signals.h"
#include "platform/standard_streams.h"
#include "programs/quorrin/display_mode.h"
#include "programs/quorrin/letterbox.h"
#include "show/guarded.h"
#include "show/sequencer.h"
#include "viewer/projection.h"
#include "viewer/viewer_window.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

int runShow(int argc, char** argv) {
    prepareStandardStreams();
    // Without a display GLUT can only abort; say what is missing in the show's own words.
    if (!displayReachable(argc, argv)) {
        std::fprintf(stderr, "quorrin: no X display to show on (DISPLAY is not set); run it on "
                             "a desktop, or headless under xvfb-run\n");
        std::exit(1);
    }
    initViewer(argc, argv); // takes out GLUT's own options before argv[1] is looked at
    const DisplayChoice choice = chooseDisplay(argc, argv);
    openDisplay(choice);
    if (choice != DisplayChoice::window800) {
        // Full screen, the screen's own window only shows black bars around the show's
        // window; either may have the keys.
        glutSetCursor(GLUT_CURSOR_NONE);
        glutDisplayFunc(guarded<drawBars>);
        glutReshapeFunc(guarded<placeLetterboxedWindow, int, int>);
        watchViewerWindow();
        openLetterboxedWindow();
    }
    // The window the show draws in: the -w window, drawn whole at whatever shape it is
    // given, or the one between the bars, always 4:3.
    glutSetCursor(GLUT_CURSOR_NONE);
    glutDisplayFunc(guarded<display>);
    glutReshapeFunc(guarded<reshape, int, int>);
    startShowInCurrentWindow();
    installSignals();
    glutMainLoop();
    return 0;
}
