#include "scenes/frame_carry.h"

#include "scenes/scene4.h"

#include <GL/gl.h>

float carriedClearGrey;
bool carriedLightPlaced;

void resetCarriedGlState() {
    carriedClearGrey = 0;
    carriedLightPlaced = false;
}

void restoreCarriedGlState() {
    static constexpr GLfloat defaultLightPos[4] = {0, 0, 1, 0};
    glClearColor(carriedClearGrey, carriedClearGrey, carriedClearGrey, 1);
    // A light's position is taken through the modelview of the moment: scene 4 gives it
    // under the identity, and so does this.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, carriedLightPlaced ? secondLightPos : defaultLightPos);
    glPopMatrix();
}
