// Words on black: captions, greeted names, credits and the title.
#pragma once
#include "pictures/canvas.h"
#include "pictures/text.h"

#include <string_view>

namespace quorrin::pictures {

// Clear border kept free of ink and halo on every side, as a fraction of the picture's side.
inline constexpr float kCaptionMargin = 0.08f;

// The text as large as fits in a width x height picture within the margin and at most
// max_height_fraction of the height tall, centred, on black.
Canvas caption(Font& font, std::string_view text, int width, int height, float max_height_fraction,
               const TextPaint& paint);

} // namespace quorrin::pictures
