// Where the show's picture goes on the page: the canvas fills the browser window at its
// device pixels (up to a cap on big screens), and the 4:3 picture sits in it as large as fits,
// centred between black bars, as the native full screen places it on a wide screen.
#pragma once

// Gives the canvas as many pixels as it has device pixels on the screen, or fewer where its
// picture would pass the cap (picture_cap.h); returns them.
void sizeCanvasToWindow(int& width, int& height);

// From now on the canvas gets every device pixel, however many (the address's hd).
void liftPictureCap();

// The picture's place on a canvas of this size: the GL layer draws into a target of the
// picture's size and puts it there, and the scenes see a window of that size (the
// projection), as in the native full screen.
void placePictureOnCanvas(int canvasWidth, int canvasHeight);
