#include "scenes/scene4.h"

#include "assets/texture_set.h"
#include "draw/angles.h"
#include "draw/box.h"
#include "draw/cube_ring.h"
#include "draw/picture_quad.h"
#include "draw/render_state.h"
#include "draw/veil.h"
#include "scenes/frame_carry.h"
#include "scenes/scenes.h"

#include <GL/glu.h>
#include <cmath>

bool whiteVeilShown(float sceneTime) {
    return sceneTime > whiteVeilStart;
}

float whiteVeilGrey(float sceneTime) {
    return static_cast<float>((double{sceneTime} - double{whiteVeilStart}) * 5);
}

// One 32 x 64 tile in the plane y = 0, its long side along z, lit with the normal (0, 0, 1)
// turned with each tile's modelview.
static void tile() {
    // After the GLUT shapes' vertex arrays the current normal is undefined; this is the one
    // Mesa keeps there, so every driver lights the tiles alike.
    glNormal3f(0, 0, 1);
    drawFloorQuad(16, 32);
}

// Eight tiles on a circle of radius 70, each turned to point away from the centre.
static void tileRing(float red, float green, float blue) {
    for (float a = 0; a < 360; a += 45) {
        const double radians = a * degreesToRadians;
        glPushMatrix();
        glColor3f(red, green, blue);
        glTranslatef(static_cast<float>(std::sin(radians) * 70), 0,
                     static_cast<float>(std::cos(radians) * 70));
        glRotatef(a, 0, 1, 0);
        tile();
        glPopMatrix();
    }
}

// 384 boxes in 32 rings. The tilt of each level and the turn of each pass are never undone
// inside the structure, so every ring is turned by all the rotations before it.
static void boxStructure(float towerTiltX, float towerTurnY, float sceneTime) {
    glPushMatrix();
    gluLookAt(0, 500, -1000, 0, 0, 0, 0, 1, 0);
    for (float i = 7; i >= 0; i -= 1) {
        glRotatef(towerTiltX, 1, 0, 0);
        const float radius = static_cast<float>(double{i} * 50 + 50);
        const float grey = static_cast<float>(double{i} * 0.14285715f);
        const float blue = static_cast<float>(double{i} * sceneTime * 0.14285715f);
        const float solidSize = static_cast<float>(double{i} * 5 + 30);
        const float wireSize = static_cast<float>(double{i} * 5 + 30.2);
        for (float pass = 4; pass > 0; pass -= 1) {
            glRotatef(towerTurnY, 0, 1, 0);
            glPushMatrix();
            for (float a = 0; a < 360; a += 30) {
                const double radians = a * degreesToRadians;
                glPushMatrix();
                glTranslatef(static_cast<float>(std::sin(radians) * radius), -20,
                             static_cast<float>(std::cos(radians) * radius));
                glRotatef(a, 0, 1, 0);
                glColor3f(grey, grey, blue);
                drawBox(solidSize, solidSize, 20, 's');
                glColor3f(0.2f, 0.2f, 0.2f);
                drawBox(wireSize, wireSize, 20.2f, 'w');
                glPopMatrix();
            }
            glPopMatrix();
        }
    }
    glPopMatrix();
}

void stepScene4(float) {
    carriedClearGrey = scene4ClearGrey;
    carryLightPosition(secondLightPos);
}

void drawScene4(float sceneTime) {
    glPushMatrix();
    // Takes effect at the next frame's clear.
    glClearColor(scene4ClearGrey, scene4ClearGrey, scene4ClearGrey, 1);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, firstLightPos);
    setAdditiveBlend(true, 0.9f);

    const float tileSpin = sceneTime * 90;
    const float towerTiltX = sceneTime * 360;
    const float towerTurnY = sceneTime * 144;

    glPushMatrix();
    gluLookAt(0, 40, -100, 50, 0, 0, 0, 1, 0);
    glRotatef(tileSpin, 0, 1, 0);
    tileRing(0, 0.8f, 0.9f);
    glPopMatrix();

    // Given with the identity modelview again; it stays for the rest of the show.
    glLightfv(GL_LIGHT0, GL_POSITION, secondLightPos);
    glPushMatrix();
    gluLookAt(0, 40, -400, 50, -100, 0, 0, 1, 0);
    glRotatef(tileSpin, 0, 1, 0);
    tileRing(0, 0.3f, 0.9f);
    glPopMatrix();

    glPushMatrix();
    gluLookAt(0, 100, -700, -220, -140, 0, 0, 1, 0);
    glRotatef(tileSpin, 0, 1, 0);
    tileRing(1, 0.3f, 0.3f);
    glPopMatrix();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);

    // The picture stops 10 units short of the top of the frame.
    beginOrtho(-230, 230, -200, 200, -500, 1000);
    glPushMatrix();
    bindTexture(texBack2Scene3);
    setAdditiveBlend(true, 0.7f);
    drawPictureQuad(-235, -200, 235, 190);
    setAdditiveBlend(false);
    bindTexture(0);
    glPopMatrix();
    endOrtho();

    boxStructure(towerTiltX, towerTurnY, sceneTime);

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    drawCubeRing(sceneTime, false);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    bindTexture(0);

    beginOrtho(-230, 230, -200, 200, -500, 1000);
    if (whiteVeilShown(sceneTime)) drawVeil(whiteVeilGrey(sceneTime));
    endOrtho();
    glPopMatrix();
}
