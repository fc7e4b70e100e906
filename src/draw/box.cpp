#include "draw/box.h"

#include <GL/gl.h>

void drawBox(float width, float height, float depth, char style) {
    const float w = width;
    const float h = height;
    const float d = depth;
    glPushMatrix();
    // Centred in x only: the box stands half its height above the caller's origin and starts
    // half its depth in front of it. The scenes lay their blocks out around that placement.
    glTranslatef(-(w * 0.5f), h * 0.5f, d * 0.5f);
    if (style == 'w') {
        // Once round the top, down the edge at x = 0, z = 0, once round the bottom; then the
        // three vertical edges the strip missed. Every edge is drawn once.
        glBegin(GL_LINE_STRIP);
        glVertex3f(0, h, 0);
        glVertex3f(w, h, 0);
        glVertex3f(w, h, d);
        glVertex3f(0, h, d);
        glVertex3f(0, h, 0);
        glVertex3f(0, 0, 0);
        glVertex3f(0, 0, d);
        glVertex3f(w, 0, d);
        glVertex3f(w, 0, 0);
        glVertex3f(0, 0, 0);
        glEnd();
        glBegin(GL_LINES);
        glVertex3f(w, 0, 0);
        glVertex3f(w, h, 0);
        glVertex3f(w, 0, d);
        glVertex3f(w, h, d);
        glVertex3f(0, 0, d);
        glVertex3f(0, h, d);
        glEnd();
    } else {
        // Every face runs clockwise seen from outside, so its front side looks into the box:
        // with back faces culled a viewer outside sees the inner walls of the far side.
        glBegin(GL_QUADS);
        glVertex3f(0, 0, 0); // z = 0
        glVertex3f(w, 0, 0);
        glVertex3f(w, h, 0);
        glVertex3f(0, h, 0);
        glVertex3f(w, 0, 0); // x = w
        glVertex3f(w, 0, d);
        glVertex3f(w, h, d);
        glVertex3f(w, h, 0);
        glVertex3f(w, 0, d); // z = d
        glVertex3f(0, 0, d);
        glVertex3f(0, h, d);
        glVertex3f(w, h, d);
        glVertex3f(0, 0, d); // x = 0
        glVertex3f(0, 0, 0);
        glVertex3f(0, h, 0);
        glVertex3f(0, h, d);
        glVertex3f(0, h, 0); // y = h
        glVertex3f(w, h, 0);
        glVertex3f(w, h, d);
        glVertex3f(0, h, d);
        glVertex3f(0, 0, 0); // y = 0
        glVertex3f(0, 0, d);
        glVertex3f(w, 0, d);
        glVertex3f(w, 0, 0);
        glEnd();
    }
    glPopMatrix();
}
