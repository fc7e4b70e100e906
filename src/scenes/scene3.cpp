#include "scenes/scene3.h"

#include "assets/texture_set.h"
#include "draw/angles.h"
#include "draw/cube_ring.h"
#include "draw/picture_card.h"
#include "draw/picture_quad.h"
#include "draw/render_state.h"
#include "draw/ring_tower.h"
#include "scenes/frame_carry.h"
#include "scenes/scenes.h"

#include <GL/glu.h>
#include <cmath>

float towerSpinAngle;
float lastSpinTime;
float towerSpinBoost;
bool lastSpinTimeLatched;
float beatTimes[beatCount];
bool beatTimesFilled;

const GreetingCard greetingCards[greetingCardCount] = {
    {&texGreeting, -100, 0},   {&texMundelo, -150, 100}, {&texBrisel, -80, -90},
    {&texQuillet, -70, 50},    {&texTondra, -130, -10},  {&texFerrowen, -60, -70},
    {&texPollick, -50, 0},     {&texSarvent, -110, 100}, {&texGrumet, -150, 30},
    {&texKalvendo, -70, -100}, {&texVistrel, -95, 50},   {&texHollin, -100, 0},
};

void computeBeatTimes(float beats[beatCount]) {
    // Phrase starts and beat offsets are float constants; the small offsets are doubles. The
    // sums are taken in double and rounded once, which puts beats 8 and 9 one float step
    // higher than a float sum would.
    const float phrase0 = 0.0f, phrase1 = 0.248f, phrase2 = 0.48f, phrase3 = 0.744f;
    const float phrase4 = 0.88f, offsetA = 0.105f, offsetB = 0.119f;
    const double sums[beatCount] = {
        phrase0,
        double{offsetA} + phrase0,
        double{offsetB} + phrase0,
        phrase1,
        double{phrase1} + offsetA,
        double{phrase1} + offsetB,
        phrase2,
        double{phrase2} + 0.015,
        double{phrase2} + offsetA + 0.016,
        double{phrase2} + offsetB + 0.016,
        phrase3,
        double{phrase3} + offsetA,
        phrase4,
        double{phrase4} + 0.02,
        double{phrase4} + 0.04,
    };
    for (int k = 0; k < beatCount; ++k)
        beats[k] = static_cast<float>(sums[k]);
}

float beatWindowLength(int k) {
    // The quick double beats (6, 7) and the flashes get the shorter window, so no two
    // windows overlap.
    const bool shortWindow = k == 6 || k == 7 || k >= firstFlashBeat;
    return shortWindow ? 0.007f : 0.01f;
}

bool insideBeatWindow(const float beats[beatCount], int k, float sceneTime) {
    const float end = beats[k] + beatWindowLength(k);
    return beats[k] < sceneTime && sceneTime < end;
}

bool greetingCardShown(const float beats[beatCount], int i, float sceneTime) {
    const float end = beats[i] + greetingCardSpan;
    return beats[i] < sceneTime && sceneTime < end;
}

SpinChoice chooseSpinBoost(const float beats[beatCount], float sceneTime) {
    for (int k = 0; k < firstFlashBeat; ++k)
        if (insideBeatWindow(beats, k, sceneTime)) return {cardBeatBoost, false};
    for (int k = firstFlashBeat; k < beatCount; ++k)
        if (insideBeatWindow(beats, k, sceneTime)) return {flashBeatBoost, true};
    return {0, false};
}

float advanceSpinAngle(float angle, float delta, float boost) {
    const double speed = double{boost} + double{towerSpinBase};
    return static_cast<float>(double{angle} + double{delta} * speed);
}

void updateTowerSpin(float sceneTime) {
    float previous = lastSpinTime;
    if (!lastSpinTimeLatched) {
        // The first frame of the scene has nothing to measure against: delta 0.
        lastSpinTimeLatched = true;
        previous = sceneTime;
    }
    const float delta = sceneTime - previous;
    lastSpinTime = sceneTime;
    if (!beatTimesFilled) {
        beatTimesFilled = true;
        computeBeatTimes(beatTimes);
    }
    // The boost is still the one the previous frame chose.
    towerSpinAngle = advanceSpinAngle(towerSpinAngle, delta, towerSpinBoost);
}

bool chooseNextTowerSpinBoost(float sceneTime) {
    const SpinChoice choice = chooseSpinBoost(beatTimes, sceneTime);
    towerSpinBoost = choice.boost;
    return choice.flash;
}

void resetScene3State() {
    towerSpinAngle = lastSpinTime = towerSpinBoost = 0;
    lastSpinTimeLatched = false;
    for (float& beat : beatTimes)
        beat = 0;
    beatTimesFilled = false;
}

void stepScene3(float sceneTime) {
    updateTowerSpin(sceneTime);
    // A flash clears to white and sets black again, which the next frame is cleared with.
    if (chooseNextTowerSpinBoost(sceneTime)) carriedClearGrey = 0;
}

// Eight 32 x 32 quads standing on a circle of radius 40, each facing outwards.
static void stringRing(float spin) {
    glRotatef(spin, 0, 1, 0);
    for (float a = 0; a < 360; a += 45) {
        const double radians = a * degreesToRadians;
        glPushMatrix();
        glTranslatef(static_cast<float>(40 * std::sin(radians)), 0,
                     static_cast<float>(40 * std::cos(radians)));
        glRotatef(a, 0, 1, 0);
        drawPictureQuad(-16, -16, 16, 16);
        glPopMatrix();
    }
}

// Vertical lines between a circle at y 300 and one at y -120, joined by diagonals; their
// texture comes from sphere mapping with the current normal.
static void lineCylinder(float sceneTime) {
    glPushMatrix();
    glRotatef(sceneTime * -360, 0, 1, 0);
    glBegin(GL_LINE_STRIP);
    for (int j = 0; j <= 360; j += 10) {
        const double radians = j * degreesToRadians;
        const float x = static_cast<float>(20 * std::sin(radians));
        const float z = static_cast<float>(20 * std::cos(radians));
        glVertex3f(x, 300, z);
        glVertex3f(x, -120, z);
    }
    glEnd();
    glPopMatrix();
}

static void flashWhite() {
    // Only the colour buffer: what this frame drew so far is wiped, depth stays.
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 1);
}

void drawScene3(float sceneTime) {
    glPushMatrix();
    gluLookAt(0, 0, -100, 0, 0, 0, 0, 1, 0);
    setAdditiveBlend(true, 0.9f);
    bindTexture(texString);

    // Ring 1 is tilted and spun on top of ring 0: the matrix is not restored between them.
    const float spin = sceneTime * 90;
    glPushMatrix();
    glColor3f(0.2f, 0.4f, 0.5f);
    glRotatef(30, 1, 1, 0);
    stringRing(spin);
    glColor3f(0.6f, 0.4f, 0.4f);
    glRotatef(40, 1, 1, 1);
    stringRing(spin);
    glPopMatrix();

    glColor3f(0.6f, 0.6f, 0.6f);
    bindTexture(texRock);
    glPushMatrix();
    drawPictureQuad(-200, -200, 200, 200);
    glPopMatrix();
    bindTexture(0);
    setAdditiveBlend(false);

    beginOrtho(-230, 230, -200, 200, -500, 1000);
    gluLookAt(50, 100, -100, 200, 50, 0, 0, 1, 0);
    enableSphereMap();
    bindTexture(texNoise4);
    setAdditiveBlend(true, 0.9f);
    glColor3f(1, 1, 0.3f);
    // The sphere map needs a defined normal: the one Mesa leaves after the GLUT shapes.
    glNormal3f(0, 0, 1);
    lineCylinder(sceneTime);

    glPushMatrix();
    // The step has already chosen the next frame's boost; the flash is this frame's.
    if (chooseSpinBoost(beatTimes, sceneTime).flash) flashWhite();
    glRotatef(towerSpinAngle, 0, 1, 0);
    glNormal3f(0, 0, 1); // sphere-mapped too
    drawRingTower(90, 70, 40, 60, 15, 7);
    glPopMatrix();

    // The cards lie flat in the orthographic frame: camera B's look-at goes, the ortho stays.
    disableSphereMap();
    glLoadIdentity();
    for (int i = 0; i < greetingCardCount; ++i) {
        if (!greetingCardShown(beatTimes, i, sceneTime)) continue;
        const GreetingCard& card = greetingCards[i];
        drawPictureCard(*card.texture, card.x, card.y, sceneTime, beatTimes[i]);
    }
    endOrtho();
    setAdditiveBlend(false);
    bindTexture(0);

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    drawCubeRing(sceneTime, false);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glPopMatrix();
}
