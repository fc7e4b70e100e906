#include "platform/web/gl/picture_placement.h"

#include "platform/web/gl/webgl_backend.h"

#include <GL/freeglut.h>

static int pictureX, pictureY;

void placePictureOnCanvas(int x, int y, int width, int height) {
    pictureX = x;
    pictureY = y;
    // A framebuffer cannot be empty: a hidden canvas keeps a one-pixel picture.
    setPictureSize(width > 0 ? width : 1, height > 0 ? height : 1);
}

void glutSwapBuffers() {
    presentPicture(pictureX, pictureY);
}
