// GL's matrix calls on the two stacks (matrix_stack.h), and the stack they act on.
#include "matrix_stacks.h"

#include "errors.h"
#include "matrix_stack.h"

#include <GL/gl.h>

static MatrixStack modelview;
static MatrixStack projection;
static MatrixStack* current = &modelview;

const Matrix4& modelviewMatrix() {
    return topMatrix(modelview);
}

const Matrix4& projectionMatrix() {
    return topMatrix(projection);
}

Matrix4& currentMatrix() {
    return topMatrix(*current);
}

void glMatrixMode(GLenum mode) {
    if (mode == GL_MODELVIEW)
        current = &modelview;
    else if (mode == GL_PROJECTION)
        current = &projection;
    else
        recordGlError(GL_INVALID_ENUM);
}

void glLoadIdentity() {
    currentMatrix() = identityMatrix;
}

void glPushMatrix() {
    if (!pushMatrix(*current)) recordGlError(GL_STACK_OVERFLOW);
}

void glPopMatrix() {
    if (!popMatrix(*current)) recordGlError(GL_STACK_UNDERFLOW);
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    translate(currentMatrix(), x, y, z);
}

void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    rotate(currentMatrix(), angle, x, y, z);
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    scale(currentMatrix(), x, y, z);
}

void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) {
    ortho(currentMatrix(), left, right, bottom, top, zNear, zFar);
}
