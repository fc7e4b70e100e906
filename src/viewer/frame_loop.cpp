#include "viewer/frame_loop.h"

#include "platform/program_exit.h"
#include "platform/signals.h"
#include "show/guarded.h"
#include "show/scene_table.h"
#include "show/sequencer.h"
#include "show/show_clock.h"

#include <GL/freeglut.h>
#include <cstdint>

// Often enough to answer Ctrl-C at once to a person, rarely enough to cost nothing.
static constexpr int watchPollMs = 100;

static int drawingWindow;
static std::uint32_t unseenWindows; // a bit for each window id not seen on the screen
static bool watching;
// GLUT's elapsed time at which the show's end may come: the show's clock is read only then,
// so a show hidden for a while reads it no more often than a drawn one would have.
static int endDueAtMs;

static bool drawingFrames() {
    return unseenWindows == 0 && !showTimePaused();
}

void setDrawingWindow(int window) {
    drawingWindow = window;
}

void idle() {
    if (quitSignal() != 0) exitProgram(0);
    redrawShow();
}

void redrawShow() {
    glutPostWindowRedisplay(drawingWindow);
}

static void watchWhileNotDrawing(int) {
    if (quitSignal() != 0) exitProgram(0);
    if (drawingFrames()) {
        watching = false;
        return;
    }
    if (!showTimePaused() && glutGet(GLUT_ELAPSED_TIME) >= endDueAtMs) {
        const double now = showTimeNow();
        if (chooseScene(now) == 0) endShow();
        endDueAtMs = glutGet(GLUT_ELAPSED_TIME) + static_cast<int>(showEndMs - now);
    }
    glutTimerFunc(watchPollMs, guarded<watchWhileNotDrawing, int>, 0);
}

void updateFrameLoop() {
    if (drawingFrames()) {
        glutIdleFunc(guarded<idle>);
        return;
    }
    glutIdleFunc(nullptr);
    endDueAtMs = glutGet(GLUT_ELAPSED_TIME) + static_cast<int>(showEndMs - showTimeAtLastReading());
    if (watching) return;
    watching = true;
    glutTimerFunc(watchPollMs, guarded<watchWhileNotDrawing, int>, 0);
}

void windowStatus(int state) {
    // The screen's window under a full-screen picture is always covered where it is 4:3.
    const bool covered = state == GLUT_FULLY_COVERED && glutGetWindow() == drawingWindow;
    const std::uint32_t window = 1u << (glutGetWindow() & 31);
    if (state == GLUT_HIDDEN || covered)
        unseenWindows |= window;
    else
        unseenWindows &= ~window;
    updateFrameLoop();
}
