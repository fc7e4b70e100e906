#include "programs/capture/image.h"

#include <cstring>

RgbImage imageFromBottomUp(int width, int height, const std::uint8_t* rgb) {
    RgbImage image{width, height, {}};
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    image.pixels.resize(row * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(&image.pixels[row * static_cast<std::size_t>(y)],
                    rgb + row * static_cast<std::size_t>(height - 1 - y), row);
    return image;
}
