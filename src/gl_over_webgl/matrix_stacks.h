// The modelview and projection stacks, for the layer's own use (vertex processing, GLU).
#pragma once
#include "matrix_math.h"

const Matrix4& modelviewMatrix();
const Matrix4& projectionMatrix();
// The matrix selected by glMatrixMode times m, or times a translation.
void multiplyCurrentMatrix(const Matrix4& m);
void translateCurrentMatrix(float x, float y, float z);
