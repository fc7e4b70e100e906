// Words on black: captions, greeted names, credits and the title.
#pragma once
#include "pictures/canvas.h"
#include "pictures/text.h"

#include <string_view>

// Clear border kept free of ink and halo on every side, as a fraction of the picture's side.
inline constexpr float captionMargin = 0.08f;

// The text as large as fits in a width x height picture within the margin and at most
// maxHeightFraction of the height tall, centred, on black.
Canvas caption(Font& font, std::string_view text, int width, int height, float maxHeightFraction,
               const TextPaint& paint);
