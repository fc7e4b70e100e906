#include "draw/sprite_fields.h"
#include "draw/picture_quad.h"

#include "assets/texture_set.h"
#include "draw/random.h"
#include "draw/render_state.h"

#include <GL/gl.h>
#include <cmath>

float spriteFieldX[spriteTableSize];
float spriteFieldY[spriteTableSize];
float spriteFieldFilled;
float spriteSwirlX[spriteTableSize];
float spriteSwirlY[spriteTableSize];
float spriteSwirlFilled;

// Forty places from the next 80 values of the shared sequence, x then y for each entry, one
// quadrant per block of ten: (+, +), (+, -), (-, -), (-, +). The spreads of this call are the
// only ones that ever count.
static void fillSpriteTable(float* xs, float* ys, float spreadX, float spreadY) {
    for (int i = 0; i < spriteTableSize; ++i) {
        const double mx = nextRandom() * static_cast<double>(randomUnitScale) * spreadX;
        const double my = nextRandom() * static_cast<double>(randomUnitScale) * spreadY;
        const int quadrant = i / 10;
        xs[i] = static_cast<float>(quadrant < 2 ? mx : -mx);
        ys[i] = static_cast<float>(quadrant == 0 || quadrant == 3 ? my : -my);
    }
}

// A count above the table size would read past the tables, so it is cut to the table size.
// Zero or below draws no sprite; the call still fills the tables and switches the states.
static int spritesToDraw(int count) {
    return count > spriteTableSize ? spriteTableSize : count;
}

void fillSpriteFieldTable(float spreadX, float spreadY) {
    if (spriteFieldFilled != 0) return;
    fillSpriteTable(spriteFieldX, spriteFieldY, spreadX, spreadY);
    spriteFieldFilled = 1;
}

void fillSpriteSwirlTable(float spreadX, float spreadY) {
    if (spriteSwirlFilled != 0) return;
    fillSpriteTable(spriteSwirlX, spriteSwirlY, spreadX, spreadY);
    spriteSwirlFilled = 1;
}

void clearSpriteTables() {
    for (int i = 0; i < spriteTableSize; ++i)
        spriteFieldX[i] = spriteFieldY[i] = spriteSwirlX[i] = spriteSwirlY[i] = 0;
    spriteFieldFilled = spriteSwirlFilled = 0;
}

void drawSpriteField(float size, int count, float spreadX, float spreadY, float phase,
                     float fadeRate) {
    fillSpriteFieldTable(spreadX, spreadY);
    glPushMatrix();
    setAdditiveBlend(true, 0.5f);
    // Replaces the blend's colour: the field fades out as phase grows; below zero adds nothing.
    const auto brightness = static_cast<float>(1 - static_cast<double>(phase) * fadeRate);
    glColor3f(brightness, brightness, brightness);
    bindTexture(texShine2);
    const int sprites = spritesToDraw(count);
    for (int i = 0; i < sprites; ++i)
        drawPictureQuad(spriteFieldX[i], spriteFieldY[i], spriteFieldX[i] + size,
                        spriteFieldY[i] + size);
    bindTexture(0);
    setAdditiveBlend(false);
    glPopMatrix();
}

void drawSpriteSwirl(float size, int count, float spreadX, float spreadY, float phase) {
    fillSpriteSwirlTable(spreadX, spreadY);
    glPushMatrix();
    setAdditiveBlend(true, 0.5f);
    bindTexture(texShine2);
    // Colour cycles at 100 degrees (green, blue) and 500 degrees (red) per unit of phase; the
    // step direction turns once per unit.
    const auto red = static_cast<float>((1 + std::cos(phase * 8.726639)) * 0.5);
    const auto greenBlue = static_cast<float>((1 + std::sin(phase * 1.7453278)) * 0.5);
    const double turn = phase * 6.28318;
    const auto dx = static_cast<float>(std::sin(turn) * 10);
    const auto dy = static_cast<float>(std::cos(turn) * 3);
    const auto dz = static_cast<float>(std::cos(turn) * 10);
    const int sprites = spritesToDraw(count);
    for (int i = 0; i < sprites; ++i) {
        glColor3f(red, greenBlue, greenBlue);
        // The steps accumulate: sprite i stands (i + 1) steps along, so the field fans out.
        glTranslatef(dx, dy, dz);
        drawPictureQuad(spriteSwirlX[i], spriteSwirlY[i], spriteSwirlX[i] + size,
                        spriteSwirlY[i] + size);
    }
    bindTexture(0);
    setAdditiveBlend(false);
    glPopMatrix();
}
