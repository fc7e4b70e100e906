#include "icon/icon.h"

#include "pictures/bmp.h"

#include <algorithm>
#include <stdexcept>

struct Tap {
    int index;
    float weight;
};

// For each of size cells along one axis, the source pixels it covers and how much of each:
// an exact area average, so fractional scales (128 to 48) keep the picture's brightness.
static std::vector<std::vector<Tap>> areaTaps(int source, int size) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(size));
    const double scale = static_cast<double>(source) / size;
    for (int i = 0; i < size; ++i) {
        const double begin = i * scale, end = (i + 1) * scale;
        for (int s = static_cast<int>(begin); s < source && s < end; ++s) {
            const double covered = std::min<double>(s + 1, end) - std::max<double>(s, begin);
            if (covered > 0)
                taps[static_cast<std::size_t>(i)].push_back(
                    {s, static_cast<float>(covered / scale)});
        }
    }
    return taps;
}

std::vector<std::uint8_t> makeIcon(const Canvas& picture, int size) {
    if (picture.width != picture.height)
        throw std::invalid_argument("the icon's picture must be square");
    if (size < 1 || size > picture.width)
        throw std::invalid_argument("the icon cannot be larger than its picture");
    const auto taps = areaTaps(picture.width, size);
    // Corners rounded by a fifth of the side, as desktop tiles usually are.
    const float half = size * 0.5f, radius = size * 0.2f;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            for (const Tap& ty : taps[static_cast<std::size_t>(y)])
                for (const Tap& tx : taps[static_cast<std::size_t>(x)])
                    sum = sum + at(picture, tx.index, ty.index) * (tx.weight * ty.weight);
            const float alpha =
                coverage(sdRoundBox(x + 0.5f, y + 0.5f, half, half, half, half, radius));
            rgba.push_back(toByte(sum.r));
            rgba.push_back(toByte(sum.g));
            rgba.push_back(toByte(sum.b));
            rgba.push_back(toByte(alpha));
        }
    }
    return rgba;
}
