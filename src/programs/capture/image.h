// An 8-bit RGB picture in memory.
#pragma once
#include <cstdint>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // rows top to bottom, 3 bytes a pixel
};

// Bottom-up rows (as GL reads them back) in top-down order.
RgbImage imageFromBottomUp(int width, int height, const std::uint8_t* rgb);
