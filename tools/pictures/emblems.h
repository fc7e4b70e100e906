// Line drawings: the cube emblem and the portrait badges of the credits.
#pragma once
#include "pictures/canvas.h"
#include "pictures/text.h"

#include <string_view>

// A wireframe cube seen from above a corner: cyan edges, white front corners, on black.
Canvas cubeLogo(int size);

// A rounded frame holding a head-and-shoulders outline with the name underneath, in the
// light colour `tint`, on black.
Canvas portraitBadge(Font& font, std::string_view name, int size, Rgb tint);
