// Where GL's frames go on the canvas. The layer draws every frame into a framebuffer of the
// picture's own size; GLUT's buffer swap copies it into the canvas at its place, the rest of
// the canvas black.
#pragma once

// width x height pixels, at (x, y) from the canvas's lower-left corner.
void placePictureOnCanvas(int x, int y, int width, int height);
