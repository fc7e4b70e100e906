#include "programs/capture/label_font.h"

struct Glyph {
    char c;
    std::uint8_t rows[glyphHeight];
};

static constexpr Glyph glyphs[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x11, 0x11}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'s', {0x00, 0x00, 0x0E, 0x10, 0x0E, 0x01, 0x1E}},
};

static constexpr std::uint8_t blank[glyphHeight] = {};

const std::uint8_t* glyphRows(char c) {
    for (const Glyph& glyph : glyphs)
        if (glyph.c == c) return glyph.rows;
    return blank;
}

int textWidth(std::string_view text, int scale) {
    if (text.empty()) return 0;
    return (static_cast<int>(text.size()) * glyphAdvance - 1) * scale;
}

void drawText(RgbImage& image, int x, int y, std::string_view text, int scale, Rgb8 colour) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint8_t* rows = glyphRows(text[i]);
        const int left = x + static_cast<int>(i) * glyphAdvance * scale;
        for (int row = 0; row < glyphHeight; ++row)
            for (int column = 0; column < glyphWidth; ++column) {
                if ((rows[row] >> (glyphWidth - 1 - column) & 1) == 0) continue;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx) {
                        const int px = left + column * scale + dx;
                        const int py = y + row * scale + dy;
                        if (px < 0 || py < 0 || px >= image.width || py >= image.height) continue;
                        std::uint8_t* pixel =
                            &image.pixels[(static_cast<std::size_t>(py) * image.width + px) * 3];
                        pixel[0] = colour.r;
                        pixel[1] = colour.g;
                        pixel[2] = colour.b;
                    }
            }
    }
}
