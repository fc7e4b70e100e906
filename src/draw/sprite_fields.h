// Fields of glowing sprites whose places are drawn from the shared random sequence on the
// first call of each routine and never change afterwards.
#pragma once

inline constexpr int spriteTableSize = 40;

extern float spriteFieldX[spriteTableSize];
extern float spriteFieldY[spriteTableSize];
extern float spriteFieldFilled;
extern float spriteSwirlX[spriteTableSize];
extern float spriteSwirlY[spriteTableSize];
extern float spriteSwirlFilled;

// The first call of either kind (fill or draw) fills that routine's tables with its spreads;
// later calls leave them as they are. A scene fills its tables in its state step, so that
// its drawing only reads them and the state can be carried forward without drawing.
void fillSpriteFieldTable(float spreadX, float spreadY);
void fillSpriteSwirlTable(float spreadX, float spreadY);
// Both routines back to unfilled, their tables zero, as at start-up.
void clearSpriteTables();

void drawSpriteField(float size, int count, float spreadX, float spreadY, float phase,
                     float fadeRate);
void drawSpriteSwirl(float size, int count, float spreadX, float spreadY, float phase);
