#include "draw/veil.h"

#include "draw/picture_quad.h"
#include "draw/render_state.h"

void drawVeil(float grey) {
    glPushMatrix();
    setAdditiveBlend(true, 0.7f);
    glColor3f(grey, grey, grey);
    // With texture 0 bound the veil needs no texture coordinates of its own.
    drawPlainQuad(-235, -200, 235, 200);
    setAdditiveBlend(false);
    glPopMatrix();
}
