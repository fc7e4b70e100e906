// Full screen, the show draws in a window of its own inside the black full-screen window:
// the largest 4:3 rectangle the screen holds, centred, with black bars beside or above and
// below it on a screen of another shape. The show was composed for 4:3 and its flat layers
// are drawn in a fixed orthographic box, so across a wide screen they would stretch. The
// bars are drawn only when the screen asks for them, never per frame.
#pragma once

// Makes the picture window inside the current window (the full-screen one, which is left
// showing black) and makes it current, sized for the screen until the first reshape.
void openPictureWindow();

// The full-screen window's callbacks: the reshape moves and sizes the picture window for a
// width x height screen; the display paints the bars black.
void placePictureWindow(int width, int height);
void drawBars();

// The picture window's callbacks. On a 4:3 screen the picture window is the whole screen
// and is drawn straight into, as a window is. On a screen of another shape each frame is
// drawn into a picture-sized framebuffer, as the capture draws, and copied into the window
// one to one, so the picture between the bars is exactly the pixels a capture of its size
// draws: drawn straight into a window, Mesa's software renderer rounds some textured pixels
// one level differently. Without framebuffer objects, straight into the window.
void reshapePicture(int width, int height);
void displayPicture();
