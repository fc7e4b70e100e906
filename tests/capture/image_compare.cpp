#include "image_compare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

static const std::uint8_t* pixelAt(const RgbImage& image, int x, int y) {
    return &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
}

static bool close(const std::uint8_t* a, const std::uint8_t* b, int tolerance) {
    return std::abs(a[0] - b[0]) <= tolerance && std::abs(a[1] - b[1]) <= tolerance &&
           std::abs(a[2] - b[2]) <= tolerance;
}

// Share of a's pixels with nothing close in b's 3 x 3 neighbourhood around the same place.
static double unmatchedShare(const RgbImage& a, const RgbImage& b, int tolerance) {
    long unmatched = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const std::uint8_t* pixel = pixelAt(a, x, y);
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= b.width || ny >= b.height) continue;
                    found = close(pixel, pixelAt(b, nx, ny), tolerance);
                }
            unmatched += !found;
        }
    return static_cast<double>(unmatched) / (static_cast<double>(a.width) * a.height);
}

ImageDifference compareImages(const RgbImage& reference, const RgbImage& frame, int tolerance) {
    if (reference.width != frame.width || reference.height != frame.height) return {1, 255};
    ImageDifference difference;
    difference.unmatched = std::max(unmatchedShare(reference, frame, tolerance),
                                    unmatchedShare(frame, reference, tolerance));
    double sums[2][3] = {};
    for (std::size_t i = 0; i < reference.pixels.size(); ++i) {
        sums[0][i % 3] += reference.pixels[i];
        sums[1][i % 3] += frame.pixels[i];
    }
    const double count = static_cast<double>(reference.width) * reference.height;
    for (int c = 0; c < 3; ++c)
        difference.meanShift =
            std::max(difference.meanShift, std::fabs(sums[0][c] - sums[1][c]) / count);
    return difference;
}

RgbImage cropped(const RgbImage& image, int x, int y, int width, int height) {
    RgbImage part{width, height, {}};
    for (int row = y; row < y + height; ++row) {
        const auto from = image.pixels.begin() + (static_cast<long>(row) * image.width + x) * 3;
        part.pixels.insert(part.pixels.end(), from, from + width * 3);
    }
    return part;
}
