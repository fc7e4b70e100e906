// A 140 x 140 picture card that fades from full brightness at start to black 0.15 later.
#pragma once
#include <GL/gl.h>

void drawPictureCard(GLuint texture, float x, float y, float sceneTime, float start);
