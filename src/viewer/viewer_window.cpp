#include "viewer/viewer_window.h"

#include "show/guarded.h"
#include "show/init_demo.h"
#include "viewer/frame_loop.h"
#include "viewer/viewer_controls.h"

#include <GL/freeglut.h>

void initViewer(int& argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGB);
}

void watchViewerWindow() {
    takeViewerKeys();
    glutWindowStatusFunc(guarded<windowStatus, int>);
}

void startShowInCurrentWindow() {
    watchViewerWindow();
    setDrawingWindow(glutGetWindow());
    initDemo();
    updateFrameLoop();
}
