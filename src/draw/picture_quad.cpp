#include "draw/picture_quad.h"

#include <GL/gl.h>

void drawPictureQuad(float left, float bottom, float right, float top) {
    glBegin(GL_QUADS);
    glTexCoord2f(1, 1);
    glVertex3f(left, bottom, 0);
    glTexCoord2f(0, 1);
    glVertex3f(right, bottom, 0);
    glTexCoord2f(0, 0);
    glVertex3f(right, top, 0);
    glTexCoord2f(1, 0);
    glVertex3f(left, top, 0);
    glEnd();
}

void drawPlainQuad(float left, float bottom, float right, float top) {
    glBegin(GL_QUADS);
    glVertex3f(left, bottom, 0);
    glVertex3f(right, bottom, 0);
    glVertex3f(right, top, 0);
    glVertex3f(left, top, 0);
    glEnd();
}

void drawFloorQuad(float halfWidth, float halfLength) {
    glBegin(GL_QUADS);
    glTexCoord2f(1, 1);
    glVertex3f(-halfWidth, 0, -halfLength);
    glTexCoord2f(0, 1);
    glVertex3f(halfWidth, 0, -halfLength);
    glTexCoord2f(0, 0);
    glVertex3f(halfWidth, 0, halfLength);
    glTexCoord2f(1, 0);
    glVertex3f(-halfWidth, 0, halfLength);
    glEnd();
}
