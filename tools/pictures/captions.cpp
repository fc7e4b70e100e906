#include "pictures/captions.h"

#include <algorithm>
#include <string>

namespace quorrin::pictures {

Canvas caption(Font& font, std::string_view text, int width, int height, float max_height_fraction,
               const TextPaint& paint) {
    Canvas c = make_canvas(width, height);
    // The halo spreads twice its radius beyond the ink; keep it inside the margin too.
    const int margin =
        static_cast<int>(kCaptionMargin * static_cast<float>(std::min(width, height))) +
        2 * paint.glow_radius;
    const int max_w = width - 2 * margin;
    const int max_h = std::min(height - 2 * margin,
                               static_cast<int>(max_height_fraction * static_cast<float>(height)));
    Coverage ink = fit_text(font, text, max_w, max_h);
    // Words stacked on lines of their own can be much larger in a square picture.
    if (text.find(' ') != std::string_view::npos) {
        std::string stacked(text);
        std::replace(stacked.begin(), stacked.end(), ' ', '\n');
        Coverage tall = fit_text(font, stacked, max_w, max_h);
        if (tall.pixel_size > ink.pixel_size) ink = std::move(tall);
    }
    draw_text(c, ink, (width - ink.width) / 2, (height - ink.height) / 2, paint);
    return c;
}

} // namespace quorrin::pictures
