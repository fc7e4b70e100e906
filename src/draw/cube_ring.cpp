#include "draw/cube_ring.h"
#include "draw/picture_quad.h"

#include "assets/texture_set.h"
#include "draw/angles.h"
#include "draw/render_state.h"

#include <GL/freeglut.h>
#include <cmath>

void drawCubeRing(float sceneTime, bool withLogo) {
    beginOrtho(-230, 230, -200, 200, -100, 1000);
    glTranslatef(-170, -145, 0); // the ring's centre, lower left of the 460 x 400 overlay
    glPushMatrix();
    // Six, four and three full turns over the scene.
    glRotatef(static_cast<float>(sceneTime * 2160.0), 1, 0, 0);
    glRotatef(static_cast<float>(sceneTime * 1440.0), 0, 1, 0);
    glRotatef(static_cast<float>(sceneTime * 1080.0), 0, 0, 1);
    // Eight cubes on a circle of radius 23 in the ring's x-z plane, a = 0 on +z, each turned
    // to face along its radius. The float counter stops at 360, which is not drawn.
    for (float a = 0; a < 360; a += 45) {
        glPushMatrix();
        const double radians = a * degreesToRadians;
        glTranslatef(static_cast<float>(std::sin(radians) * 23), 0,
                     static_cast<float>(std::cos(radians) * 23));
        glRotatef(a, 0, 1, 0);
        // The wire cube takes the caller's depth, blend, lighting and texture state.
        glColor3f(0, 1, 1);
        glutWireCube(12.2);
        setAdditiveBlend(true, 0.5f);
        // Blended without depth testing, but with back faces culled: only the faces toward
        // the viewer add light, so the glow does not double up.
        glEnable(GL_CULL_FACE);
        glutSolidCube(10);
        setAdditiveBlend(false);
        glPopMatrix();
    }
    glPopMatrix();
    // The cubes were lit by the caller's light; what follows in the frame is not.
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    if (withLogo) {
        bindTexture(texCube);
        setAdditiveBlend(true, 0.8f);
        glPushMatrix();
        // 100 x 100 over the ring's centre, not tumbling; picture turned by half a turn.
        drawPictureQuad(-50, -50, 50, 50);
        glPopMatrix();
        setAdditiveBlend(false);
    }
    // The modelview is left as drawn (identity, then the ring's translation): the next frame
    // reloads it, and a scene drawing on in perspective sets its own.
    endOrtho();
}
