// Scene 1, the opening: a swirl of glowing sprites, a lit sphere-mapped sculpture seen by a
// camera that flies straight through it, and three short pictures laid over everything.
// Products are formed in double and narrowed to float only where they are handed to GL.
#include "scenes/scene1.h"

#include "assets/texture_set.h"
#include "draw/picture_quad.h"
#include "draw/render_state.h"
#include "draw/sprite_fields.h"
#include "scenes/frame_carry.h"
#include "scenes/scenes.h"

#include <GL/freeglut.h>

static constexpr float pictureWindowStarts[pictureWindowCount] = {0.0f, 0.505f, 0.753f};
static constexpr float pictureWindowLength = 0.2f;
static constexpr GLuint* pictureTextures[pictureWindowCount] = {&texOrvetParty, &tex2005,
                                                                &texSummer};

int pictureWindowAt(float sceneTime) {
    for (int window = 0; window < pictureWindowCount; ++window) {
        // The end is a float sum, so the window closes exactly at the float 0.2, 0.705, 0.953.
        const float start = pictureWindowStarts[window];
        if (start < sceneTime && sceneTime < start + pictureWindowLength) return window + 1;
    }
    return 0;
}

PictureLook pictureLookAt(int window, float sceneTime) {
    const double t = sceneTime;
    switch (window) {
    case 1:
        return {t + 0.505, 1 - 5 * t, 1 - 5 * t, 1 - 5 * t};
    // Red and blue run on T itself and stay below zero all through the window, so once GL
    // clamps the colour the second picture shows in green only.
    case 2:
        return {t, 1 - 5 * t, 1 - 5 * (t - 0.505), 1 - 5 * t};
    case 3:
        return {t - 0.248, 1 - t, 1 - 5 * (t - 0.753), 1 - 5 * (t - 0.753)};
    default:
        return {0, 0, 0, 0};
    }
}

static constexpr float swirlSpreadX = 300, swirlSpreadY = 200;

void stepScene1(float) {
    // The show's first draw from the random sequence happens here, on its first frame.
    fillSpriteSwirlTable(swirlSpreadX, swirlSpreadY);
    carriedClearGrey = 0;
}

static void drawSwirl(float sceneTime) {
    beginOrtho(-230, 230, -200, 200, -500, 1000);
    glPushMatrix();
    // Looking along +z, so world +x runs to the left of the screen.
    gluLookAt(100, 80, -300, 100, 80, 0, 0, 1, 0);
    drawSpriteSwirl(300, 20, swirlSpreadX, swirlSpreadY, sceneTime);
    glPopMatrix();
    endOrtho();
}

// Every lit or sphere-mapped shape of this scene is one of GLUT's and brings its own normals;
// the swirl and the pictures are drawn unlit and without texgen, so the scene sends none.
static void drawSculpture(float sceneTime) {
    const double t = sceneTime;
    enableSphereMap();
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    bindTexture(texNoise);

    // A straight flight from (6.6, 5, -50) to (6.6, -15, 40) that always faces the origin;
    // the up vector +x is never parallel to the view, so the view never degenerates.
    gluLookAt(6.6, 5 - 20 * t, 90 * t - 50, 0, 0, 0, 1, 0, 0);
    glRotatef(static_cast<float>(200 * t), 1, 1, 0);

    glPushMatrix();
    glRotatef(static_cast<float>(360 * t), 1, 0, 0);
    glScalef(2, 2, 2);
    glColor3f(1, 0.2f, 0.2f);
    glutSolidOctahedron();
    glPopMatrix();
    bindTexture(texNoise4); // only the core octahedron wears texNoise

    glPushMatrix();
    glColor3f(1, 1, 1);
    glRotatef(90, 0, 1, 0);
    glutWireSphere(3, 10, 10);
    glPopMatrix();

    glPushMatrix();
    glLineWidth(3);
    glScalef(8, 6, 6);
    glColor3f(1, 0, 0);
    glutWireOctahedron();
    glPopMatrix();

    glPushMatrix();
    glRotatef(static_cast<float>(360 * t), 1, 0, 0);
    glColor3f(0, 0.4f, 0.9f);
    glutSolidTorus(1.3, 10, 10, 8);
    glLineWidth(1);
    glPopMatrix();

    // The cage's turns are not undone between rings, so they add up: the rings stand at
    // 0, 45, 135 and 270 degrees about y.
    glPushMatrix();
    glScalef(1.15f, 1, 1);
    for (float angle = 0; angle <= 135; angle += 45) {
        glRotatef(angle, 0, 1, 0);
        if (angle == 45 || angle == 135) {
            glColor3f(0.1f, 0.9f, 0.1f);
            glutWireTorus(1, 13.2, 10, 45);
        } else {
            glColor3f(1, 1, 1);
            glutSolidTorus(1, 15.2, 10, 45);
        }
    }
    glPopMatrix();
    glLineWidth(1);

    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    disableSphereMap();
}

static void drawPicture(float sceneTime) {
    beginOrtho(-230, 230, -200, 200, -500, 1000);
    setAdditiveBlend(true, 0.9f);
    if (const int window = pictureWindowAt(sceneTime); window != 0) {
        const PictureLook look = pictureLookAt(window, sceneTime);
        const double s = look.scale;
        glPushMatrix();
        glColor3f(static_cast<float>(look.red), static_cast<float>(look.green),
                  static_cast<float>(look.blue));
        bindTexture(*pictureTextures[window - 1]);
        drawPictureQuad(static_cast<float>(-180 * s), static_cast<float>(-160 * s),
                        static_cast<float>(180 * s), static_cast<float>(160 * s));
        glPopMatrix();
    }
    bindTexture(0);
    setAdditiveBlend(false);
    endOrtho();
}

void drawScene1(float sceneTime) {
    glPushMatrix(); // the caller's identity, back at the end of the frame
    glClearColor(0, 0, 0, 1);
    drawSwirl(sceneTime);
    drawSculpture(sceneTime);
    drawPicture(sceneTime);
    glPopMatrix();
}
