// Blending, depth test, culling, scissor, viewport, line width and clearing: the state the
// pixels of a primitive are written with.
#pragma once
#include "webgl_backend.h"

// The state for the next primitive, the bound texture included.
FragmentState currentFragmentState();
float currentLineWidth();
const int* currentViewport(); // x, y, width, height
const float* currentClearColour();

void setBlendEnabled(bool on);
void setDepthTestEnabled(bool on);
void setCullFaceEnabled(bool on);
void setScissorTestEnabled(bool on);
