// Uncompressed Windows bitmap files in the three depths the show reads.
#pragma once
#include "pictures/canvas.h"

#include <cstdint>
#include <vector>

// The fixed part in front of the pixels (or the palette): file header plus info header.
inline constexpr int bmpHeaderBytes = 54;
inline constexpr int bmpPaletteBytes = 256 * 4;

// One channel value 0..1 to a byte, rounded.
std::uint8_t toByte(float v);

// bits is 8 (grey: a 256-entry grey palette and one index per pixel, taken from the red
// channel), 24 (BGR) or 32 (BGR plus a zero pad byte). Rows are written bottom row first and
// must come out a multiple of 4 bytes, since the show's reader skips no row padding;
// anything else throws std::invalid_argument.
std::vector<std::uint8_t> encodeBmp(const Canvas& canvas, int bits);
