// Uncompressed bitmap files (24-bit, 8-bit palette, 32-bit) to a tightly packed RGB
// buffer, turned by 180 degrees; no GL involved.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr std::size_t bitmapHeaderBytes = 54;
inline constexpr std::size_t bitmapPaletteBytes = 256 * 4;
// No picture of the show comes near this; anything larger is a broken or hostile file.
inline constexpr int bitmapMaxSide = 16384;

enum class BitmapStatus { ok, unsupportedDepth, badSize };

struct BitmapHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
};

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, red, green, blue
};

// Reads the three fields the loader uses; a short header reads as zeros.
BitmapHeader readBitmapHeader(const std::uint8_t* data, std::size_t size);

// Checks the header against maxSide; on success sets bytesNeeded to the file size the
// header promises (header, palette, pixels).
BitmapStatus checkBitmapHeader(const BitmapHeader& header, int maxSide, std::size_t& bytesNeeded);

// Decodes a whole file image. Bytes the file lacks leave their pixels black.
BitmapStatus decodeBitmap(const std::uint8_t* data, std::size_t size, int maxSide,
                          DecodedBitmap& out);
