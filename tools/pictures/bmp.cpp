#include "pictures/bmp.h"

#include "common/little_endian.h"

#include <cmath>
#include <stdexcept>

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255));
}

std::vector<std::uint8_t> encodeBmp(const Canvas& canvas, int bits) {
    if (bits != 8 && bits != 24 && bits != 32)
        throw std::invalid_argument("bitmap depth must be 8, 24 or 32");
    if (canvas.width <= 0 || canvas.height <= 0 ||
        canvas.px.size() !=
            static_cast<std::size_t>(canvas.width) * static_cast<std::size_t>(canvas.height))
        throw std::invalid_argument("bitmap has no pixels or a wrong pixel count");
    const auto rowBytes = static_cast<std::uint32_t>(canvas.width) * (bits / 8u);
    if (rowBytes % 4 != 0) throw std::invalid_argument("bitmap row is not a multiple of 4 bytes");

    const std::uint32_t palette = bits == 8 ? bmpPaletteBytes : 0;
    const std::uint32_t offset = bmpHeaderBytes + palette;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(canvas.height);

    std::vector<std::uint8_t> out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0); // two reserved words
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(canvas.width));
    put32(out, static_cast<std::uint32_t>(canvas.height)); // positive: bottom row first
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 2835); // 72 dots per inch, in dots per metre
    put32(out, 2835);
    put32(out, bits == 8 ? 256 : 0);
    put32(out, 0);

    if (bits == 8) {
        for (std::uint32_t i = 0; i < 256; ++i) {
            const auto grey = static_cast<std::uint8_t>(i);
            out.insert(out.end(), {grey, grey, grey, 0});
        }
    }
    for (int y = canvas.height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width; ++x) {
            const Rgb& p = at(canvas, x, y);
            if (bits == 8) {
                out.push_back(toByte(p.r));
                continue;
            }
            out.insert(out.end(), {toByte(p.b), toByte(p.g), toByte(p.r)});
            if (bits == 32) out.push_back(0);
        }
    }
    return out;
}
