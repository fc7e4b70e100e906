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

// A short file still decodes, its missing part black. But a header may claim far more than
// its file could ever fill: 54 bytes claiming 16384 x 16384 would cost gigabytes and
// seconds. Pictures up to a small budget decode whatever their file (the show's largest is
// 0.75 MiB decoded); beyond it, only with at most 64 decoded bytes per file byte (a whole
// file holds at least one byte for every three).
inline constexpr std::size_t bitmapDecodedBudget = std::size_t{4} << 20;
inline constexpr std::size_t bitmapMaxDecodedPerFileByte = 64;

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

// Decodes a whole file image. Bytes the file lacks leave their pixels black; a picture
// beyond the budget and of more than bitmapMaxDecodedPerFileByte times size decoded bytes
// is a bad size.
BitmapStatus decodeBitmap(const std::uint8_t* data, std::size_t size, int maxSide,
                          DecodedBitmap& out);
