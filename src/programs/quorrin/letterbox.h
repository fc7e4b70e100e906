// Full screen, the show draws in a window of its own inside the black full-screen window:
// the largest 4:3 rectangle the screen holds, centred, with black bars beside or above and
// below it on a screen of another shape. The show was composed for 4:3 and its flat layers
// are drawn in a fixed orthographic box, so across a wide screen they would stretch. The
// bars are drawn only when the screen asks for them, never per frame.
#pragma once

// Makes the show's window inside the current window (the full-screen one, which is left
// showing black) and makes it current, sized for the screen until the first reshape.
void openLetterboxedWindow();

// The full-screen window's callbacks: the reshape moves and sizes the show's window for a
// width x height screen; the display paints the bars black.
void placeLetterboxedWindow(int width, int height);
void drawBars();
