#include "platform/web/web_picture.h"

#include "platform/web/webgl_backend.h"

#include <GL/freeglut.h>

static PictureArea placed;

PictureArea fitPictureToCanvas(int canvasWidth, int canvasHeight) {
    placed = pictureAreaFor(canvasWidth, canvasHeight);
    // A zero-sized framebuffer cannot be made; a hidden canvas keeps a one-pixel picture.
    setPictureSize(placed.width > 0 ? placed.width : 1, placed.height > 0 ? placed.height : 1);
    return placed;
}

void showPicture() {
    presentPicture(placed.x, placed.y);
}

void glutSwapBuffers() {
    showPicture();
}
