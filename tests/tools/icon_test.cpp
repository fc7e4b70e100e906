// The desktop icon: the show's picture brought down to each size as an area average, on a
// tile with transparent corners.
#include "icon/icon.h"
#include "pictures/bmp.h"
#include "pictures/catalog.h"

#include <gtest/gtest.h>

#include <cmath>

static std::size_t offset(int size, int x, int y) {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
            static_cast<std::size_t>(x)) *
           4;
}

TEST(Icon, AveragesThePictureDownOverTheAreaEachPixelCovers) {
    // Red rises left to right, green top to bottom: an icon pixel's average is the value at
    // the middle of the area it covers, at any scale, also a fractional one.
    constexpr int side = 128, size = 48;
    Canvas ramp = makeCanvas(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            at(ramp, x, y) = {(x + 0.5f) / side, (y + 0.5f) / side, 0.5f};
    const std::vector<std::uint8_t> icon = makeIcon(ramp, size);
    ASSERT_EQ(icon.size(), offset(size, 0, size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::size_t byteAt = offset(size, x, y);
            EXPECT_NEAR(icon[byteAt], (x + 0.5) / size * 255, 1.0) << x << "," << y;
            EXPECT_NEAR(icon[byteAt + 1], (y + 0.5) / size * 255, 1.0) << x << "," << y;
            EXPECT_EQ(icon[byteAt + 2], 128);
        }
    }
    // Rounded corners: see-through at the very corner, solid along the middle of each edge.
    for (const int corner : {0, size - 1}) {
        EXPECT_EQ(icon[offset(size, corner, corner) + 3], 0);
        EXPECT_EQ(icon[offset(size, corner, size / 2) + 3], 255);
        EXPECT_EQ(icon[offset(size, size / 2, corner) + 3], 255);
    }
}

TEST(Icon, AtThePicturesOwnSizeItIsThePicture) {
    const Canvas picture = drawPicture(iconPicture);
    const std::vector<std::uint8_t> icon = makeIcon(picture, picture.width);
    for (int y = picture.height / 4; y < picture.height * 3 / 4; ++y) {
        for (int x = picture.width / 4; x < picture.width * 3 / 4; ++x) {
            const std::size_t byteAt = offset(picture.width, x, y);
            const Rgb& pixel = at(picture, x, y);
            ASSERT_EQ(icon[byteAt], toByte(pixel.r)) << x << "," << y;
            ASSERT_EQ(icon[byteAt + 1], toByte(pixel.g)) << x << "," << y;
            ASSERT_EQ(icon[byteAt + 2], toByte(pixel.b)) << x << "," << y;
            ASSERT_EQ(icon[byteAt + 3], 255);
        }
    }
    EXPECT_THROW(makeIcon(picture, picture.width + 1), std::invalid_argument);
}
