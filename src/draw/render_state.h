// The few fixed pipeline states the show draws in. Each routine sets a fixed list of states;
// nothing is read back, saved or restored.
#pragma once
#include <GL/gl.h>

// Pushes the projection, loads glOrtho(...) and leaves an identity modelview (not saved).
void beginOrtho(double left, double right, double bottom, double top, double zNear, double zFar);
// Pops the projection pushed by beginOrtho and selects the modelview again.
void endOrtho();
// Binds texture (0 drops the picture), sets linear filters on it, enables texturing.
void bindTexture(GLuint texture);
// On: colour (1, 1, 1, alpha), source-colour/one blending, depth test and culling off.
// Off: blending off, depth test and culling on; the colour is left alone.
void setAdditiveBlend(bool on, float alpha = 0.0f);
void enableSphereMap();
void disableSphereMap();
