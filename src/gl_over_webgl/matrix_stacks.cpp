#include "matrix_stacks.h"

#include "errors.h"

#include <GL/gl.h>
#include <array>

// Mesa's depth for both stacks.
static constexpr int stackDepth = 32;

struct MatrixStack {
    std::array<Matrix4, stackDepth> entries{identityMatrix};
    int top = 0;
};

static MatrixStack modelview;
static MatrixStack projection;
static MatrixStack* current = &modelview;

static Matrix4& currentTop() {
    return current->entries[static_cast<std::size_t>(current->top)];
}

const Matrix4& modelviewMatrix() {
    return modelview.entries[static_cast<std::size_t>(modelview.top)];
}

const Matrix4& projectionMatrix() {
    return projection.entries[static_cast<std::size_t>(projection.top)];
}

void multiplyCurrentMatrix(const Matrix4& m) {
    currentTop() = multiply(currentTop(), m);
}

void translateCurrentMatrix(float x, float y, float z) {
    translate(currentTop(), x, y, z);
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
    currentTop() = identityMatrix;
}

void glPushMatrix() {
    if (current->top + 1 >= stackDepth) {
        recordGlError(GL_STACK_OVERFLOW);
        return;
    }
    const Matrix4 copy = currentTop();
    ++current->top;
    currentTop() = copy;
}

void glPopMatrix() {
    if (current->top == 0) {
        recordGlError(GL_STACK_UNDERFLOW);
        return;
    }
    --current->top;
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    translate(currentTop(), x, y, z);
}

void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    rotate(currentTop(), angle, x, y, z);
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    scale(currentTop(), x, y, z);
}

// Mesa takes the six planes in single precision before building the matrix.
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) {
    multiplyCurrentMatrix(orthographic(static_cast<float>(left), static_cast<float>(right),
                                       static_cast<float>(bottom), static_cast<float>(top),
                                       static_cast<float>(zNear), static_cast<float>(zFar)));
}
