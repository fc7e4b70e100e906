// The native full screen draws the picture in a child window of the screen's window; a
// browser page has one canvas, and the web platform places the picture in it itself
// (web_picture.h). The shell's start-up, compiled here for initDemo, refers to the child
// window's routines; these are what they come to on a canvas. The web entry does not use
// them.
#include "platform/web/web_picture.h"
#include "shell/picture_window.h"
#include "shell/projection.h"
#include "shell/sequencer.h"

void openPictureWindow() {}

void placePictureWindow(int width, int height) {
    const PictureArea picture = fitPictureToCanvas(width, height);
    reshape(picture.width, picture.height);
}

// The canvas's bars are drawn black with every picture (GLUT's buffer swap).
void drawBars() {}

void reshapePicture(int width, int height) {
    reshape(width, height);
}

void displayPicture() {
    display();
}
