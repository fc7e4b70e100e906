#include <canvas_target.h>

#include "webgl_backend.h"

#include <GL/freeglut.h>

static int targetX, targetY;

void placeTargetOnCanvas(int x, int y, int width, int height) {
    targetX = x;
    targetY = y;
    // A framebuffer cannot be empty: a hidden canvas keeps a one-pixel target.
    setTargetSize(width > 0 ? width : 1, height > 0 ? height : 1);
}

void glutSwapBuffers() {
    presentTarget(targetX, targetY);
}
