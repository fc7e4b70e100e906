// Anti-aliased text through FreeType, measured by its ink so it can be fitted and centred.
#pragma once
#include "pictures/canvas.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* captionFontPath =
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct Font;
struct FontCloser {
    void operator()(Font* font) const;
};
using FontPtr = std::unique_ptr<Font, FontCloser>;

// Throws std::runtime_error with a one-line message naming the path if it cannot be opened.
FontPtr openFont(const std::string& path);

// Glyph coverage 0..1, cropped to the box around the ink. Row-major, top row first.
struct Coverage {
    int width = 0;
    int height = 0;
    int pixelSize = 0; // the font size it was drawn at
    std::vector<float> alpha;
};

// Lines are separated by '\n'; each is centred under the one before.
Coverage renderText(Font& font, std::string_view text, int pixelSize);

// The largest rendering of text whose ink fits in maxWidth x maxHeight (at least size 4).
Coverage fitText(Font& font, std::string_view text, int maxWidth, int maxHeight);

// Colour of the text from `top` at its first ink row to `bottom` at its last.
struct TextPaint {
    Rgb top;
    Rgb bottom;
    Rgb glow;       // a soft halo around the letters; black for none
    int glowRadius; // in pixels
};

// Adds the text with its top-left ink corner at (x0, y0).
void drawText(Canvas& canvas, const Coverage& text, int x0, int y0, const TextPaint& paint);
