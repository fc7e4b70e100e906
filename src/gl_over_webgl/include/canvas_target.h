// Where GL's frames go on the canvas. The layer draws every frame into a framebuffer of the
// size it is given, which need not be the canvas's; GLUT's buffer swap copies it into the
// canvas at its place, the rest of the canvas black.
#pragma once

// width x height pixels, at (x, y) from the canvas's lower-left corner.
void placeTargetOnCanvas(int x, int y, int width, int height);
