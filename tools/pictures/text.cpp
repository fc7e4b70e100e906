#include "pictures/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstddef>
#include <stdexcept>

struct Font {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

void FontCloser::operator()(Font* font) const {
    if (font->face != nullptr) FT_Done_Face(font->face);
    if (font->library != nullptr) FT_Done_FreeType(font->library);
    delete font;
}

FontPtr openFont(const std::string& path) {
    FontPtr font(new Font);
    if (FT_Init_FreeType(&font->library) != 0)
        throw std::runtime_error("cannot start FreeType to read the font " + path);
    if (FT_New_Face(font->library, path.c_str(), 0, &font->face) != 0)
        throw std::runtime_error("cannot open font " + path +
                                 " (the fonts-dejavu-core package provides it)");
    return font;
}

static std::size_t index(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
}

// Copies the ink of a full-size scratch image into a tight box.
static Coverage cropToInk(const std::vector<float>& scratch, int width, int height) {
    int x0 = width, y0 = height, x1 = -1, y1 = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (scratch[index(x, y, width)] > 0) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    Coverage out;
    if (x1 < 0) return out;
    out.width = x1 - x0 + 1;
    out.height = y1 - y0 + 1;
    out.alpha.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.alpha[index(x, y, out.width)] = scratch[index(x + x0, y + y0, width)];
    return out;
}

static Coverage renderLine(Font& font, std::string_view text, int pixelSize) {
    FT_Face face = font.face;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0)
        throw std::runtime_error("the caption font refuses the size it was asked for");
    // Generous room: no glyph of a Latin font reaches a full em beyond its advance.
    const int margin = pixelSize;
    const int width = static_cast<int>(text.size() + 2) * pixelSize + 2 * margin;
    const int height = 3 * pixelSize;
    const int baseline = 2 * pixelSize;
    std::vector<float> scratch(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                               0);

    long pen = static_cast<long>(margin) * 64; // 26.6 fixed point
    FT_UInt previous = 0;
    for (const char ch : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, static_cast<unsigned char>(ch));
        if (previous != 0 && glyph != 0 && FT_HAS_KERNING(face)) {
            FT_Vector kern{};
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0)
            throw std::runtime_error("the caption font cannot draw a character of the text");
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int left = static_cast<int>(pen / 64) + slot->bitmap_left;
        const int top = baseline - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const int x = left + static_cast<int>(col), y = top + static_cast<int>(row);
                if (x < 0 || y < 0 || x >= width || y >= height) continue;
                const float a = bitmap.buffer[static_cast<long>(row) * bitmap.pitch + col] / 255.0f;
                float& dst = scratch[index(x, y, width)];
                dst = std::min(1.0f, dst + a); // overlapping neighbours never exceed full ink
            }
        pen += slot->advance.x;
        previous = glyph;
    }
    return cropToInk(scratch, width, height);
}

Coverage renderText(Font& font, std::string_view text, int pixelSize) {
    std::vector<Coverage> lines;
    for (std::size_t from = 0;;) {
        const std::size_t to = std::min(text.find('\n', from), text.size());
        lines.push_back(renderLine(font, text.substr(from, to - from), pixelSize));
        if (to == text.size()) break;
        from = to + 1;
    }
    // Capitals have no descenders: a quarter of the size between lines reads as one block.
    const int gap = pixelSize / 4;
    Coverage out;
    out.pixelSize = pixelSize;
    for (const Coverage& line : lines) {
        out.width = std::max(out.width, line.width);
        out.height += line.height + (out.height > 0 ? gap : 0);
    }
    out.alpha.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0);
    int top = 0;
    for (const Coverage& line : lines) {
        const int left = (out.width - line.width) / 2;
        for (int y = 0; y < line.height; ++y)
            for (int x = 0; x < line.width; ++x)
                out.alpha[index(left + x, top + y, out.width)] =
                    line.alpha[index(x, y, line.width)];
        top += line.height + gap;
    }
    return out;
}

Coverage fitText(Font& font, std::string_view text, int maxWidth, int maxHeight) {
    // Ink grows almost exactly in proportion to the size: one measurement gives a close
    // guess, and a few steps down absorb the rounding of hinting.
    const int probe = 100;
    const Coverage measured = renderText(font, text, probe);
    if (measured.width == 0) return measured;
    const double scale = std::min(static_cast<double>(maxWidth) / measured.width,
                                  static_cast<double>(maxHeight) / measured.height);
    int size = std::max(4, static_cast<int>(probe * scale) + 1);
    for (;; --size) {
        Coverage c = renderText(font, text, size);
        if ((c.width <= maxWidth && c.height <= maxHeight) || size == 4) return c;
    }
}

void drawText(Canvas& canvas, const Coverage& text, int x0, int y0, const TextPaint& paint) {
    const int r = paint.glowRadius;
    if (r > 0) {
        // Blurred copy of the coverage (box filter, twice, for a softer falloff).
        const int w = text.width + 4 * r, h = text.height + 4 * r;
        std::vector<float> halo(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
        for (int y = 0; y < text.height; ++y)
            for (int x = 0; x < text.width; ++x)
                halo[index(x + 2 * r, y + 2 * r, w)] = text.alpha[index(x, y, text.width)];
        std::vector<float> tmp(halo.size());
        const float norm = 1.0f / static_cast<float>(2 * r + 1);
        for (int pass = 0; pass < 2; ++pass) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    float sum = 0;
                    for (int k = std::max(0, x - r); k <= std::min(w - 1, x + r); ++k)
                        sum += halo[index(k, y, w)];
                    tmp[index(x, y, w)] = sum * norm;
                }
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    float sum = 0;
                    for (int k = std::max(0, y - r); k <= std::min(h - 1, y + r); ++k)
                        sum += tmp[index(x, k, w)];
                    halo[index(x, y, w)] = sum * norm;
                }
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int cx = x0 + x - 2 * r, cy = y0 + y - 2 * r;
                if (cx < 0 || cy < 0 || cx >= canvas.width || cy >= canvas.height) continue;
                addLight(canvas, cx, cy, paint.glow, halo[index(x, y, w)]);
            }
    }
    for (int y = 0; y < text.height; ++y) {
        const float t = text.height > 1 ? static_cast<float>(y) / (text.height - 1) : 0.0f;
        const Rgb colour = mix(paint.top, paint.bottom, t);
        for (int x = 0; x < text.width; ++x) {
            const int cx = x0 + x, cy = y0 + y;
            if (cx < 0 || cy < 0 || cx >= canvas.width || cy >= canvas.height) continue;
            const float a = text.alpha[index(x, y, text.width)];
            // Ink covers what lies under it (the halo), so letters stay crisp.
            Rgb& p = at(canvas, cx, cy);
            p = mix(p, colour, a);
        }
    }
}
