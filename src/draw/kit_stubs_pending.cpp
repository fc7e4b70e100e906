// Placeholders until the drawing kit lands; each draws nothing.
#include "draw/box.h"
#include "draw/cube_ring.h"
#include "draw/picture_card.h"
#include "draw/ring_tower.h"
#include "draw/sprite_fields.h"

float spriteFieldX[spriteTableSize];
float spriteFieldY[spriteTableSize];
float spriteFieldFilled;
float spriteSwirlX[spriteTableSize];
float spriteSwirlY[spriteTableSize];
float spriteSwirlFilled;

void drawBox(float, float, float, char) {}
void drawRingTower(float, float, float, int, int, int) {}
void drawSpriteField(float, int, float, float, float, float) {}
void drawSpriteSwirl(float, int, float, float, float) {}
void drawPictureCard(GLuint, float, float, float, float) {}
void drawCubeRing(float, bool) {}
