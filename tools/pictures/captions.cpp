#include "pictures/captions.h"

#include <algorithm>
#include <string>

Canvas caption(Font& font, std::string_view text, int width, int height, float maxHeightFraction,
               const TextPaint& paint) {
    Canvas c = makeCanvas(width, height);
    // The halo spreads twice its radius beyond the ink; keep it inside the margin too.
    const int margin =
        static_cast<int>(captionMargin * static_cast<float>(std::min(width, height))) +
        2 * paint.glowRadius;
    const int maxWidth = width - 2 * margin;
    const int maxHeight = std::min(
        height - 2 * margin, static_cast<int>(maxHeightFraction * static_cast<float>(height)));
    Coverage ink = fitText(font, text, maxWidth, maxHeight);
    // Words stacked on lines of their own can be much larger in a square picture.
    if (text.find(' ') != std::string_view::npos) {
        std::string stacked(text);
        std::replace(stacked.begin(), stacked.end(), ' ', '\n');
        Coverage tall = fitText(font, stacked, maxWidth, maxHeight);
        if (tall.pixelSize > ink.pixelSize) ink = std::move(tall);
    }
    drawText(c, ink, (width - ink.width) / 2, (height - ink.height) / 2, paint);
    return c;
}
