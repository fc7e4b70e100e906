// The perspective and look-at matrices as the desktop GLU library computes them: the
// perspective in double precision, the look-at in single precision, each multiplied onto the
// matrix as GLU hands them to GL.
#pragma once
#include "matrix_math.h"

// matrix * the perspective projection; the matrix is left as it is for a field of view, an
// aspect or a depth range of zero, as GLU leaves it.
void perspective(Matrix4& matrix, double fovy, double aspect, double zNear, double zFar);
// matrix * the view from eye towards centre with up as the picture's up.
void lookAt(Matrix4& matrix, double eyeX, double eyeY, double eyeZ, double centerX, double centerY,
            double centerZ, double upX, double upY, double upZ);
