#include "assets/bitmap_decode.h"

#include <array>

static std::uint32_t readLittle(const std::uint8_t* data, std::size_t size, std::size_t offset,
                                int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        const std::size_t at = offset + static_cast<std::size_t>(i);
        value = (value << 8) | (at < size ? data[at] : 0u);
    }
    return value;
}

BitmapHeader readBitmapHeader(const std::uint8_t* data, std::size_t size) {
    BitmapHeader header;
    header.width = static_cast<std::int32_t>(readLittle(data, size, 18, 4));
    header.height = static_cast<std::int32_t>(readLittle(data, size, 22, 4));
    header.bitsPerPixel = static_cast<std::uint16_t>(readLittle(data, size, 28, 2));
    return header;
}

static int bytesPerPixel(std::uint16_t bitsPerPixel) {
    switch (bitsPerPixel) {
    case 24:
        return 3;
    case 8:
        return 1;
    case 32:
        return 4;
    default:
        return 0;
    }
}

BitmapStatus checkBitmapHeader(const BitmapHeader& header, int maxSide, std::size_t& bytesNeeded) {
    const int pixelBytes = bytesPerPixel(header.bitsPerPixel);
    if (pixelBytes == 0) return BitmapStatus::unsupportedDepth;
    if (header.width <= 0 || header.height <= 0 || header.width > maxSide ||
        header.height > maxSide)
        return BitmapStatus::badSize;
    // Both sides are at most 16384, so these products fit easily in 64 bits.
    const std::size_t pixels =
        static_cast<std::size_t>(header.width) * static_cast<std::size_t>(header.height);
    bytesNeeded = bitmapHeaderBytes + (header.bitsPerPixel == 8 ? bitmapPaletteBytes : 0) +
                  pixels * static_cast<std::size_t>(pixelBytes);
    return BitmapStatus::ok;
}

BitmapStatus decodeBitmap(const std::uint8_t* data, std::size_t size, int maxSide,
                          DecodedBitmap& out) {
    const BitmapHeader header = readBitmapHeader(data, size);
    std::size_t bytesNeeded = 0;
    const BitmapStatus status = checkBitmapHeader(header, maxSide, bytesNeeded);
    if (status != BitmapStatus::ok) return status;

    const std::size_t pixels =
        static_cast<std::size_t>(header.width) * static_cast<std::size_t>(header.height);
    if (pixels * 3 > bitmapDecodedBudget && pixels * 3 > bitmapMaxDecodedPerFileByte * size)
        return BitmapStatus::badSize;
    out.width = header.width;
    out.height = header.height;
    out.rgb.assign(pixels * 3, 0);

    // Bytes past the end of a short file read as zero, so its missing pixels stay black.
    auto byteAt = [&](std::size_t offset) -> std::uint8_t {
        return offset < size ? data[offset] : 0;
    };

    std::array<std::uint8_t, 256> red{}, green{}, blue{};
    std::size_t offset = bitmapHeaderBytes;
    if (header.bitsPerPixel == 8) {
        for (int i = 0; i < 256; ++i) {
            blue[i] = byteAt(offset);
            green[i] = byteAt(offset + 1);
            red[i] = byteAt(offset + 2);
            offset += 4;
        }
    }
    const std::size_t available = size > offset ? size - offset : 0;
    const int pixelBytes = bytesPerPixel(header.bitsPerPixel);
    const std::size_t present = available / static_cast<std::size_t>(pixelBytes);
    const std::size_t readable = present < pixels ? present : pixels;

    // The n-th pixel of the file becomes pixel (count - 1 - n): the picture turned by half a
    // turn, which every textured quad of the show undoes with its texture coordinates.
    for (std::size_t n = 0; n < readable; ++n) {
        std::uint8_t* target = &out.rgb[(pixels - 1 - n) * 3];
        const std::size_t at = offset + n * static_cast<std::size_t>(pixelBytes);
        if (header.bitsPerPixel == 8) {
            const std::uint8_t index = data[at];
            target[0] = red[index];
            target[1] = green[index];
            target[2] = blue[index];
        } else {
            target[0] = data[at + 2];
            target[1] = data[at + 1];
            target[2] = data[at];
        }
    }
    return BitmapStatus::ok;
}
