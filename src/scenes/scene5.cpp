#include "scenes/scene5.h"

#include "assets/texture_set.h"
#include "draw/angles.h"
#include "draw/box.h"
#include "draw/picture_quad.h"
#include "draw/render_state.h"
#include "draw/veil.h"
#include "scenes/frame_carry.h"
#include "scenes/scenes.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <cmath>

// Entry 3 rests at y -132 and flies at -3300, a little higher than the other corners, so its
// caption is cut 4 units less by the bottom edge.
const CreditPicture creditPictures[creditPictureCount] = {
    {&texCode, codeCardStart, -3400, 3400, -136, 136, 15000, 0},
    {&texTobbin, tobbinCardStart, 3400, 3400, 136, 136, 0, -15000},
    {&texMusic, musicCardStart, -3400, -3300, -136, -132, 0, 15000},
    {&texMirrel, mirrelCardStart, 3400, -3400, 136, -136, -15000, 0},
};

CreditPlacement placeCreditPicture(const CreditPicture& picture, float sceneTime) {
    CreditPlacement place{};
    const float drawnUntil = outroStart + creditDrawnAfterOutro;
    if (!(picture.key < sceneTime && sceneTime < drawnUntil)) return place;
    place.drawn = true;
    const double d = double{sceneTime} - double{picture.key};
    if (sceneTime < picture.key + creditFlightSpan) {
        // Grows from a point at the centre while it flies out to its corner.
        place.x = static_cast<float>(picture.flightX * d);
        place.y = static_cast<float>(picture.flightY * d);
        place.scale = static_cast<float>(70 * d);
        return place;
    }
    place.resting = true;
    place.x = picture.restX;
    place.y = picture.restY;
    place.scale = 2.8f;
    if (sceneTime > outroStart) {
        const double e = double{sceneTime} - double{outroStart};
        place.slideX = static_cast<float>(picture.slideX * e);
        place.slideY = static_cast<float>(picture.slideY * e);
    }
    return place;
}

bool landingJoltActive(float sceneTime) {
    for (const CreditPicture& picture : creditPictures) {
        const float begin = picture.key + creditFlightSpan;
        const float end = picture.key + joltEndSpan;
        if (begin < sceneTime && sceneTime < end) return true;
    }
    return false;
}

bool titleShown(float sceneTime) {
    return sceneTime > outroStart;
}

bool openingFlashShown(float sceneTime) {
    return sceneTime < openingFlashEnd;
}

float outroFade(float sceneTime) {
    return static_cast<float>(1 - 1.65 * (double{sceneTime} - double{outroStart}));
}

// Eight rings of twelve solid boxes, each ring turned by one more tilt-and-turn pair than
// the ring drawn before it, lit by light 0 as scene 4 left it. Like the tiles of scene 4 the
// boxes are lit with the one normal (0, 0, 1) for every face.
static void boxRings(float sceneTime) {
    const float spinX = sceneTime * 360;
    const float spinY = sceneTime * 144;
    const float fade = 1 - sceneTime;
    for (float i = 7; i >= 0; i -= 1) {
        glRotatef(spinX, 1, 0, 0);
        glRotatef(spinY, 0, 1, 0);
        glPushMatrix();
        const float radius = static_cast<float>(50 * double{i} + 50);
        const float side = static_cast<float>(5 * double{i} + 30);
        const float grey = static_cast<float>(double{i} * fade / 7);
        for (float a = 0; a < 360; a += 30) {
            const double radians = a * degreesToRadians;
            glPushMatrix();
            glTranslatef(static_cast<float>(radius * std::sin(radians)), -20,
                         static_cast<float>(radius * std::cos(radians)));
            glRotatef(a, 0, 1, 0);
            glColor3f(grey, grey, grey);
            // Undefined after the GLUT shapes' vertex arrays; Mesa keeps this one there.
            glNormal3f(0, 0, 1);
            drawBox(side, side, 20, 's');
            glPopMatrix();
        }
        glPopMatrix();
    }
}

static void texturedCubeFaces() {
    glBegin(GL_QUADS);
    // front, z = 1
    glTexCoord2f(0, 0);
    glVertex3f(-1, -1, 1);
    glTexCoord2f(1, 0);
    glVertex3f(1, -1, 1);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, 1);
    glTexCoord2f(0, 1);
    glVertex3f(-1, 1, 1);
    // back, z = -1
    glTexCoord2f(1, 0);
    glVertex3f(-1, -1, -1);
    glTexCoord2f(1, 1);
    glVertex3f(-1, 1, -1);
    glTexCoord2f(0, 1);
    glVertex3f(1, 1, -1);
    glTexCoord2f(0, 0);
    glVertex3f(1, -1, -1);
    // top, y = 1
    glTexCoord2f(0, 1);
    glVertex3f(-1, 1, -1);
    glTexCoord2f(0, 0);
    glVertex3f(-1, 1, 1);
    glTexCoord2f(1, 0);
    glVertex3f(1, 1, 1);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, -1);
    // bottom, y = -1
    glTexCoord2f(1, 1);
    glVertex3f(-1, -1, -1);
    glTexCoord2f(0, 1);
    glVertex3f(1, -1, -1);
    glTexCoord2f(0, 0);
    glVertex3f(1, -1, 1);
    glTexCoord2f(1, 0);
    glVertex3f(-1, -1, 1);
    // right, x = 1
    glTexCoord2f(1, 0);
    glVertex3f(1, -1, -1);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, -1);
    glTexCoord2f(0, 1);
    glVertex3f(1, 1, 1);
    glTexCoord2f(0, 0);
    glVertex3f(1, -1, 1);
    // left, x = -1
    glTexCoord2f(0, 0);
    glVertex3f(-1, -1, -1);
    glTexCoord2f(1, 0);
    glVertex3f(-1, -1, 1);
    glTexCoord2f(1, 1);
    glVertex3f(-1, 1, 1);
    glTexCoord2f(0, 1);
    glVertex3f(-1, 1, -1);
    glEnd();
}

static void creditPicture(int entry, float sceneTime) {
    const CreditPicture& picture = creditPictures[entry];
    glPushMatrix();
    bindTexture(*picture.texture);
    if (entry == 0) {
        // The green tint set here holds for all four pictures.
        setAdditiveBlend(true, 1);
        glColor3f(0, 1, 0.3f);
    }
    const CreditPlacement place = placeCreditPicture(picture, sceneTime);
    if (place.drawn) {
        glTranslatef(place.x, place.y, 0);
        glScalef(place.scale, place.scale, place.scale);
        if (place.resting && sceneTime > outroStart) glTranslatef(place.slideX, place.slideY, 0);
        drawPictureQuad(-30, -30, 30, 30);
    }
    if (entry == creditPictureCount - 1) setAdditiveBlend(false);
    glPopMatrix();
}

float scene5ClearGrey(float sceneTime) {
    return static_cast<float>(0.2 - 0.2 * sceneTime);
}

void stepScene5(float sceneTime) {
    carriedClearGrey = scene5ClearGrey(sceneTime);
}

void drawScene5(float sceneTime) {
    glPushMatrix();
    // The background of the next frame, fading from scene 4's dark grey to black.
    const float clearGrey = scene5ClearGrey(sceneTime);
    glClearColor(clearGrey, clearGrey, clearGrey, 1);

    // Texture 0 is still bound from the end of the previous frame.
    setAdditiveBlend(true, 0.5f);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glPushMatrix();
    gluLookAt(0, 500, -1000, 0, 0, 0, 0, 1, 0);
    boxRings(sceneTime);
    glPopMatrix();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    setAdditiveBlend(false);

    beginOrtho(-230, 230, -200, 200, -100, 1000);
    const bool fading = sceneTime > outroStart;
    const float fade = outroFade(sceneTime);

    // The backdrop stops 10 units short of the top; its additive state stays on through the
    // cubes.
    glPushMatrix();
    bindTexture(texBack2);
    setAdditiveBlend(true, 0.7f);
    if (fading) glColor3f(fade, fade, fade);
    drawPictureQuad(-235, -200, 235, 190);
    glPopMatrix();

    // Multiplied onto the identity without a push: it shakes the cubes, the pictures and the
    // flash, and the title escapes it by loading the identity.
    if (landingJoltActive(sceneTime)) {
        const double fast = 26179.918f * double{sceneTime};
        const double slow = 2617.9917f * double{sceneTime};
        gluLookAt(0, 0, 30, 10 * std::sin(fast), 5 * std::sin(slow), 10 * std::sin(slow), 0, 1, 0);
    }

    glPushMatrix();
    glRotatef(2000 * sceneTime, 1, 0, 0);
    glRotatef(1000 * sceneTime, 0, 1, 0);
    // Drawn with the backdrop's picture still bound and its last texture coordinate current.
    glColor3f(1 - sceneTime, 0, 0);
    glutWireCube(70);
    bindTexture(texBankin1);
    if (fading)
        glColor3f(fade, fade, fade);
    else
        glColor3f(1, 1, 1);
    glScalef(30, 30, 30);
    texturedCubeFaces();
    glPopMatrix();
    bindTexture(0);

    for (int entry = 0; entry < creditPictureCount; ++entry)
        creditPicture(entry, sceneTime);
    bindTexture(0);

    if (titleShown(sceneTime)) {
        glPushMatrix();
        glLoadIdentity();
        setAdditiveBlend(true, 0.7f);
        bindTexture(texTitle);
        const double e = double{sceneTime} - double{outroStart};
        glColor3f(static_cast<float>(e), static_cast<float>(1.5 * e), static_cast<float>(2 * e));
        drawPictureQuad(-235, -235, 235, 235);
        setAdditiveBlend(false);
        bindTexture(0);
        glPopMatrix();
    }

    if (openingFlashShown(sceneTime)) drawVeil(static_cast<float>(1 - 5 * double{sceneTime}));
    endOrtho();
    glPopMatrix();
}
