// The viewport and the perspective the scenes draw through wherever they set no
// orthographic projection of their own.
#pragma once

// The GLUT reshape callback: the whole width x height target, a 45-degree vertical field of
// view at its aspect ratio, near plane 1, far plane 6000; leaves the modelview selected.
void reshape(int width, int height);
