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

void drawSpriteField(float size, int count, float spreadX, float spreadY, float phase,
                     float fadeRate);
void drawSpriteSwirl(float size, int count, float spreadX, float spreadY, float phase);
