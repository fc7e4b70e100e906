// What a frame leaves in GL for the frames after it, besides its picture: the grey the next
// frame is cleared with, and where light 0 stands. Each scene's step keeps these up to date,
// so that a show carried forward without drawing can put GL back as a drawn run leaves it.
#pragma once

extern float carriedClearGrey;  // black at start-up
extern bool carriedLightPlaced; // light 0 given scene 4's last position; false: GL's default

// Back to start-up: black, and light 0 at GL's default position.
void resetCarriedGlState();
// Sets the clear colour and light 0's position as the carried values say (GL context needed).
void restoreCarriedGlState();
