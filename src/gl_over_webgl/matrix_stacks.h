// The modelview and projection stacks, for the layer's own use (vertex processing, GLU).
#pragma once
#include "matrix_math.h"

const Matrix4& modelviewMatrix();
const Matrix4& projectionMatrix();
// The top of the stack selected by glMatrixMode.
Matrix4& currentMatrix();
