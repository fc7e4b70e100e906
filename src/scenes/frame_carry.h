// What a frame leaves in GL for the frames after it, besides its picture: the grey the next
// frame is cleared with, and where light 0 stands. Each scene's step keeps these up to date
// and every frame sets them in GL before it clears, so a frame drawn after a jump, or after
// frames that were only stepped, starts from the state a drawn run would have left.
#pragma once
#include <GL/gl.h>

extern float carriedClearGrey;  // black at start-up
extern bool carriedLightPlaced; // light 0 given a scene's position; false: GL's default

// Back to start-up: black, and light 0 at GL's default position.
void resetCarriedGlState();
// A scene gave light 0 this position (as scene 4 does), for the frames after it.
void carryLightPosition(const GLfloat position[4]);
// Light 0's position as the carried values say, to be given under the identity modelview.
const GLfloat* carriedLightPosition();
