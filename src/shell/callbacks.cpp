#include "shell/callbacks.h"

#include "shell/viewer_controls.h"

#include <GL/freeglut.h>
#include <csignal>
#include <cstdlib>

static volatile std::sig_atomic_t quitRequested;

static void requestQuit(int) {
    quitRequested = 1;
}

void installQuitSignals() {
    struct sigaction action {};
    action.sa_handler = requestQuit;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool quitWasRequested() {
    return quitRequested != 0;
}

void reshape(int width, int height) {
    // A minimised window reports a height of 0; the aspect ratio must stay finite.
    if (height < 1) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, static_cast<double>(width) / static_cast<double>(height), 1, 6000);
    glMatrixMode(GL_MODELVIEW);
}

void keyboard(unsigned char key, int, int) {
    if (key == 27) std::exit(0);
    if (key == ' ') togglePause();
}

void idle() {
    if (quitRequested) std::exit(0);
    glutPostRedisplay();
}
