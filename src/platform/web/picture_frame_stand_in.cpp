// Stand-in, until the shell's full-screen picture routes leave the display callback: the web
// build draws every frame into a picture-sized framebuffer of its own and places it on the
// canvas (web_picture.h), so the display callback's begin and present have nothing to do.
#include "shell/picture_frame.h"
#include "shell/projection.h"

void reshapeFullScreen(int width, int height) {
    reshape(width, height);
}

void beginPictureFrame() {}

void presentPictureFrame() {}
