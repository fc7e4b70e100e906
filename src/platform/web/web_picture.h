// Where the show's picture goes on the canvas: the canvas fills the browser window at its
// device pixels, and the 4:3 picture sits in it as large as fits, centred between black
// bars, as the native full screen places it on a wide screen.
#pragma once
#include "shell/picture_area.h"

PictureArea fitPictureToCanvas(int canvasWidth, int canvasHeight);
