// gluPerspective and gluLookAt on the matrix selected by glMatrixMode (view_matrices.h).
#include "matrix_stacks.h"
#include "view_matrices.h"

#include <GL/glu.h>

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    perspective(currentMatrix(), fovy, aspect, zNear, zFar);
}

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
               GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    lookAt(currentMatrix(), eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ);
}
