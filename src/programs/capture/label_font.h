// A 5 x 7 pixel font for the storyboard's labels: digits, a few letters and marks, enough
// for "scene 3  48.2 s", drawn without any font file.
#pragma once
#include "programs/capture/image.h"

#include <cstdint>
#include <string_view>

inline constexpr int glyphWidth = 5;
inline constexpr int glyphHeight = 7;
inline constexpr int glyphAdvance = 6; // one blank column between letters

// Rows top to bottom, bit 4 the leftmost column; blank for characters the font lacks.
const std::uint8_t* glyphRows(char c);

// Width in pixels of text drawn at scale (each font pixel scale x scale).
int textWidth(std::string_view text, int scale);

struct Rgb8 {
    std::uint8_t r, g, b;
};
// Draws text with its top-left corner at (x, y); what falls outside the image is dropped.
void drawText(RgbImage& image, int x, int y, std::string_view text, int scale, Rgb8 colour);
