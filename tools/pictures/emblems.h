// Line drawings: the cube emblem and the portrait badges of the credits.
#pragma once
#include "pictures/canvas.h"
#include "pictures/text.h"

#include <string_view>

namespace quorrin::pictures {

// A wireframe cube seen from above a corner: cyan edges, white front corners, on black.
Canvas cube_logo(int size);

// A rounded frame holding a head-and-shoulders outline with the name underneath, in the
// light colour `tint`, on black.
Canvas portrait_badge(Font& font, std::string_view name, int size, Rgb tint);

} // namespace quorrin::pictures
