// Scene 2: a flight along +z past a field of glowing boxes, beside a sphere-mapped lattice
// and over translucent picture panels, with the camera hopping sideways and up in seven
// eased moves. Products are formed in double and narrowed to float where GL takes them.
#include "scenes/scene2.h"

#include "assets/texture_set.h"
#include "draw/box.h"
#include "draw/cube_ring.h"
#include "draw/picture_quad.h"
#include "draw/random.h"
#include "draw/render_state.h"
#include "draw/sprite_fields.h"
#include "scenes/frame_carry.h"
#include "scenes/scenes.h"

#include <GL/glu.h>
#include <cmath>

float boxX[boxCount];
float boxY[boxCount];
float boxZ[boxCount];
unsigned char boxTableFilled;

float camEyeX;
float camCenterX;
float camEyeY;
float camCenterY;
unsigned cameraLatchFlags;
float camEyeZ;

// Each move lasts 0.04, half a period of the easing sine (0.04 x 12.5 = 0.5); phase 0.25
// eases the offset from 0 up to 140, phase 0.75 from 140 back down to 0.
struct CameraMoveWindow {
    float start, end, phase;
    bool movesX, movesY;
};
static constexpr float bouncePhaseUp = 0.25f;
static constexpr float bouncePhaseDown = 0.75f;
static constexpr CameraMoveWindow cameraMoveWindows[] = {
    {0.0f, 0.04f, bouncePhaseUp, false, true},    {0.13f, 0.17f, bouncePhaseUp, true, false},
    {0.25f, 0.29f, bouncePhaseDown, false, true}, {0.38f, 0.42f, bouncePhaseDown, true, false},
    {0.5f, 0.54f, bouncePhaseUp, true, false},    {0.62f, 0.66f, bouncePhaseUp, false, true},
    {0.74f, 0.78f, bouncePhaseDown, true, true},
};

static constexpr int panelCount = 6;
static constexpr float panelX[panelCount] = {350, 450, 350, 340, 330, 370};
static constexpr float panelY[panelCount] = {-50, 50, 150, -40, 60, 160};
static constexpr float panelZ[panelCount] = {2000, 1500, 2300, 6000, 7000, 5600};

CameraMove cameraMoveAt(float sceneTime) {
    for (const CameraMoveWindow& move : cameraMoveWindows) {
        if (move.start <= sceneTime && sceneTime < move.end) {
            const double turns = move.phase + (sceneTime - move.start) * 12.5;
            const double offset = (1 - std::sin(turns * 6.28318)) * 70;
            return {true, move.movesX, move.movesY, offset};
        }
    }
    return {false, false, false, 0};
}

bool spriteFieldShownAt(float sceneTime) {
    return sceneTime < 0.25f || (0.5f < sceneTime && sceneTime < 0.75f);
}

BoxColour boxColourAt(float sceneTime) {
    const double c = (std::sin(sceneTime * 23.561926) + 1) * 0.33333334;
    if (sceneTime < 0.2f) return {0, c, 0};
    if (sceneTime < 0.47f) return {0, 0, c};
    if (sceneTime < 0.73f) return {c, 0, 0};
    return {c, c, c};
}

double latticeLineGreyAt(float sceneTime) {
    if (sceneTime > 0.8) return (std::sin(sceneTime * 17.278746) + 1) * 0.5;
    return 1;
}

bool panelsFadingAt(float sceneTime) {
    return sceneTime > 0.8f;
}

// The field's two forms: large sprites over the first quarter, smaller ones over the third.
struct SpriteFieldForm {
    float size, spreadX, spreadY, phaseStart;
};
static constexpr SpriteFieldForm firstFieldForm = {500, 400, 300, 0};
static constexpr SpriteFieldForm secondFieldForm = {300, 500, 400, 0.5f};

static const SpriteFieldForm& spriteFieldFormAt(float sceneTime) {
    return sceneTime < 0.25f ? firstFieldForm : secondFieldForm;
}

static void drawSpriteFieldOverlay(float sceneTime) {
    const SpriteFieldForm& form = spriteFieldFormAt(sceneTime);
    beginOrtho(-230, 230, -200, 200, -100, 1000);
    glPushMatrix();
    gluLookAt(350, 150, -0.0001, 350, 150, 0, 0, 1, 0);
    drawSpriteField(form.size, 20, form.spreadX, form.spreadY, sceneTime - form.phaseStart, 4);
    glPopMatrix();
    endOrtho();
}

static void fillBoxTable() {
    const double unit = randomUnitScale;
    for (int i = 0; i < boxCount; ++i) {
        boxX[i] = static_cast<float>(nextRandom() * unit * 500);
        boxZ[i] = static_cast<float>(nextRandom() * unit * 9500);
        // The first 32 boxes lie above y = 0, the other 33 below.
        boxY[i] = static_cast<float>(nextRandom() * unit * (i < 32 ? 200 : -200));
    }
    boxTableFilled = 1;
}

static void latchOnce(float& coordinate, float base, unsigned bit) {
    if ((cameraLatchFlags & bit) != 0) return;
    coordinate = base;
    cameraLatchFlags |= bit;
}

static void moveCamera(float sceneTime) {
    latchOnce(camEyeX, baseEyeX, latchEyeX);
    latchOnce(camCenterX, baseCenterX, latchCenterX);
    latchOnce(camEyeY, baseEyeY, latchEyeY);
    latchOnce(camCenterY, baseCenterY, latchCenterY);
    camEyeZ = static_cast<float>(9000.0 * sceneTime);

    // Outside the windows the coordinates keep what the last frame inside one wrote, so the
    // path depends a little on where the frames fall; each window restarts from its formula.
    const CameraMove move = cameraMoveAt(sceneTime);
    if (move.inWindow && move.movesX) {
        camEyeX = static_cast<float>(baseEyeX + move.offset);
        camCenterX = static_cast<float>(baseCenterX + move.offset);
    }
    if (move.inWindow && move.movesY) {
        camEyeY = static_cast<float>(baseEyeY + move.offset);
        camCenterY = static_cast<float>(baseCenterY + move.offset);
    }
}

static void drawBoxes(const BoxColour& colour) {
    setAdditiveBlend(true, 0.9f);
    glColor3f(static_cast<float>(colour.red), static_cast<float>(colour.green),
              static_cast<float>(colour.blue));
    glPushMatrix();
    for (int i = 0; i < boxCount; ++i) {
        glPushMatrix();
        glTranslatef(boxX[i], boxY[i], boxZ[i]);
        drawBox(30, 20, 20, 's');
        drawBox(30, 20, 20, 'w');
        glTranslatef(30, 30, 100);
        drawBox(30, 20, 20, 'w');
        glPopMatrix();
    }
    glPopMatrix();
    setAdditiveBlend(false);
}

// The lattice is the scene's only sphere-mapped geometry that is not a GLUT shape: its
// texture coordinates come from the current normal.
static void drawLattice(float sceneTime) {
    enableSphereMap();
    bindTexture(texNoise4);
    // After the GLUT shapes' vertex arrays the current normal is undefined; this is the one
    // Mesa keeps there, so every driver maps the lattice alike.
    glNormal3f(0, 0, 1);
    // Along z, in the box colour that is still current.
    for (float y = -205; y < 205; y += 10) {
        glBegin(GL_LINES);
        glVertex3f(-50, y, 0);
        glVertex3f(-50, y, 5000);
        glEnd();
    }
    const auto grey = static_cast<float>(latticeLineGreyAt(sceneTime));
    for (float z = 0; z < 10010; z += 10) {
        glColor3f(grey, grey, grey);
        glBegin(GL_LINES);
        glVertex3f(-50, -200, z);
        glVertex3f(-50, 200, z);
        glEnd();
    }
    disableSphereMap();
}

static void drawFloorPanels(float sceneTime) {
    glPushMatrix();
    bindTexture(texString);
    setAdditiveBlend(true, 0.7f);
    if (panelsFadingAt(sceneTime)) {
        const auto fade = static_cast<float>(1 - (sceneTime - 0.8) * 5);
        glColor3f(fade, fade, fade);
    }
    for (int k = 0; k < panelCount; ++k) {
        glPushMatrix();
        glTranslatef(panelX[k], panelY[k], panelZ[k]);
        drawFloorQuad(500, 1500);
        glPopMatrix();
    }
    setAdditiveBlend(false);
    bindTexture(0);
    glPopMatrix();
}

void resetScene2State() {
    for (int i = 0; i < boxCount; ++i)
        boxX[i] = boxY[i] = boxZ[i] = 0;
    boxTableFilled = 0;
    camEyeX = camCenterX = camEyeY = camCenterY = camEyeZ = 0;
    cameraLatchFlags = 0;
}

void stepScene2(float sceneTime) {
    // On the scene's first frame the field takes its 80 values from the random sequence
    // first, and the boxes the 195 after them. Only the first form's spreads ever count.
    if (spriteFieldShownAt(sceneTime)) {
        const SpriteFieldForm& form = spriteFieldFormAt(sceneTime);
        fillSpriteFieldTable(form.spreadX, form.spreadY);
    }
    if (boxTableFilled == 0) fillBoxTable();
    moveCamera(sceneTime);
    carriedClearGrey = 0;
}

void drawScene2(float sceneTime) {
    glPushMatrix(); // the caller's identity, back at the end of the frame
    if (spriteFieldShownAt(sceneTime)) drawSpriteFieldOverlay(sceneTime);
    glClearColor(0, 0, 0, 1);
    gluLookAt(camEyeX, camEyeY, camEyeZ, camCenterX, camCenterY, camCenterZ, 0, 1, 0);
    drawBoxes(boxColourAt(sceneTime)); // no picture bound: texture 0, as the frame before left it
    drawLattice(sceneTime);
    drawFloorPanels(sceneTime);
    bindTexture(0);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    drawCubeRing(sceneTime, true); // sets its own projection; lighting is off before the logo
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glPopMatrix();
}
