// Flat rectangles: in the z = 0 plane, corners sent lower-left, lower-right, upper-right,
// upper-left. Textures hold their pictures turned by half a turn, so the picture quad gives
// those corners (1, 1), (0, 1), (0, 0), (1, 0) and every picture shows upright.
#pragma once

void drawPictureQuad(float left, float bottom, float right, float top);
// The same rectangle without texture coordinates, for plain veils and flashes.
void drawPlainQuad(float left, float bottom, float right, float top);
// A rectangle lying in the y = 0 plane, 2 halfWidth across x and 2 halfLength along z,
// corners (-w, 0, -l), (w, 0, -l), (w, 0, l), (-w, 0, l) with the picture quad's texture
// coordinates: the floors and tiles the scenes lay out.
void drawFloorQuad(float halfWidth, float halfLength);
