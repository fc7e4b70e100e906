#include "viewer/projection.h"

#include <GL/glu.h>

void reshape(int width, int height) {
    // A minimised window reports a height of 0; the aspect ratio must stay finite.
    if (height < 1) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, static_cast<double>(width) / static_cast<double>(height), 1, 6000);
    glMatrixMode(GL_MODELVIEW);
}
