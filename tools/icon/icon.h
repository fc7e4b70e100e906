// The desktop icon: one of the show's own pictures on a tile with rounded corners, at the
// sizes desktops look for.
#pragma once
#include "pictures/canvas.h"

#include <cstdint>
#include <vector>

// The glowing wire cube reads well at every size, down to a panel's 32 pixels.
inline constexpr const char* iconPicture = "cube";

// size x size RGBA bytes, top row first: the square picture averaged down to size (each
// icon pixel the mean of the picture's area it covers), clipped to a rounded tile whose
// outside is transparent. Throws std::invalid_argument for a picture that is not square or
// smaller than size.
std::vector<std::uint8_t> makeIcon(const Canvas& picture, int size);
