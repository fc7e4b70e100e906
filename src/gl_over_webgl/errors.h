// Errors the layer itself detects (a matrix stack pushed too deep, an unknown enumerant),
// reported by glGetError before any WebGL has recorded.
#pragma once
#include <GL/gl.h>

// Keeps the first error until it is taken, as GL keeps its error flag.
void recordGlError(GLenum error);
