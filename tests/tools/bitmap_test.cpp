// The bitmap writer on small hand-made canvases, where every byte can be predicted.
#include "file_reading.h"
#include "pictures/bmp.h"

#include <gtest/gtest.h>

#include <stdexcept>

// 4 x 2: top-left red, top-right green, bottom-left blue, the rest grey levels.
static Canvas corners() {
    Canvas c = makeCanvas(4, 2);
    at(c, 0, 0) = {1, 0, 0};
    at(c, 3, 0) = {0, 1, 0};
    at(c, 0, 1) = {0, 0, 1};
    at(c, 1, 0) = {0.5f, 0.5f, 0.5f};
    return c;
}

TEST(Bitmap, HeaderFieldsOf24Bit) {
    const auto file = encodeBmp(corners(), 24);
    ASSERT_EQ(file.size(), 54u + 4 * 2 * 3);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(le32(file, 2), file.size());
    EXPECT_EQ(le32(file, 6), 0u);
    EXPECT_EQ(le32(file, 10), 54u);
    EXPECT_EQ(le32(file, 14), 40u);
    EXPECT_EQ(le32(file, 18), 4u);
    EXPECT_EQ(le32(file, 22), 2u); // positive: bottom row first
    EXPECT_EQ(le16(file, 26), 1u);
    EXPECT_EQ(le16(file, 28), 24u);
    EXPECT_EQ(le32(file, 30), 0u);
    EXPECT_EQ(le32(file, 34), 4u * 2 * 3);
}

TEST(Bitmap, BottomRowIsWrittenFirstInBlueGreenRedOrder) {
    const auto file = encodeBmp(corners(), 24);
    // First pixel in the file: bottom-left, which is blue.
    EXPECT_EQ(file[54], 255);
    EXPECT_EQ(file[55], 0);
    EXPECT_EQ(file[56], 0);
    // Second row in the file starts with the top-left red pixel.
    const std::size_t top = 54 + 4 * 3;
    EXPECT_EQ(file[top], 0);
    EXPECT_EQ(file[top + 1], 0);
    EXPECT_EQ(file[top + 2], 255);
    EXPECT_EQ(file[top + 3], 128);     // 0.5 rounds to 128
    EXPECT_EQ(file[top + 9 + 1], 255); // top-right green
}

TEST(Bitmap, DecodesBackToTheSameUprightPicture) {
    const Picture p = decode(encodeBmp(corners(), 32));
    ASSERT_EQ(p.width, 4);
    ASSERT_EQ(p.height, 2);
    EXPECT_EQ(p.r(0, 0), 255);
    EXPECT_EQ(p.g(3, 0), 255);
    EXPECT_EQ(p.b(0, 1), 255);
    EXPECT_EQ(p.r(2, 1), 0);
}

TEST(Bitmap, ThirtyTwoBitHasZeroPadByte) {
    const auto file = encodeBmp(corners(), 32);
    ASSERT_EQ(file.size(), 54u + 4 * 2 * 4);
    EXPECT_EQ(le16(file, 28), 32u);
    for (std::size_t n = 0; n < 8; ++n)
        EXPECT_EQ(file[54 + 4 * n + 3], 0) << n;
    EXPECT_EQ(file[54 + 16 + 2], 255); // top-left red, in the second row of the file
}

TEST(Bitmap, EightBitHasFullGreyPaletteThenIndices) {
    Canvas c = makeCanvas(4, 1);
    for (int x = 0; x < 4; ++x) {
        const float v = static_cast<float>(x) / 3;
        at(c, x, 0) = {v, v, v};
    }
    const auto file = encodeBmp(c, 8);
    ASSERT_EQ(file.size(), 54u + 1024 + 4);
    EXPECT_EQ(le32(file, 10), 54u + 1024);
    EXPECT_EQ(le32(file, 46), 256u);
    for (std::size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(file[54 + 4 * i], i);
        EXPECT_EQ(file[54 + 4 * i + 1], i);
        EXPECT_EQ(file[54 + 4 * i + 2], i);
        EXPECT_EQ(file[54 + 4 * i + 3], 0);
    }
    EXPECT_EQ(file[1078], 0);
    EXPECT_EQ(file[1079], 85);
    EXPECT_EQ(file[1080], 170);
    EXPECT_EQ(file[1081], 255);
}

TEST(Bitmap, ValuesOutsideZeroToOneAreClamped) {
    Canvas c = makeCanvas(4, 1);
    at(c, 0, 0) = {2.0f, -1.0f, 0.25f};
    const auto file = encodeBmp(c, 24);
    EXPECT_EQ(file[54], 64);  // blue 0.25
    EXPECT_EQ(file[55], 0);   // green below zero
    EXPECT_EQ(file[56], 255); // red above one
}

TEST(Bitmap, RefusesRowsThatAreNotAMultipleOfFourBytes) {
    EXPECT_THROW(encodeBmp(makeCanvas(3, 3), 24), std::invalid_argument);
    EXPECT_THROW(encodeBmp(makeCanvas(6, 2), 8), std::invalid_argument);
    EXPECT_NO_THROW(encodeBmp(makeCanvas(3, 3), 32));
}

TEST(Bitmap, RefusesUnsupportedDepthsAndEmptyCanvases) {
    EXPECT_THROW(encodeBmp(makeCanvas(4, 4), 16), std::invalid_argument);
    EXPECT_THROW(encodeBmp(Canvas{}, 24), std::invalid_argument);
    Canvas broken = makeCanvas(4, 4);
    broken.px.pop_back();
    EXPECT_THROW(encodeBmp(broken, 24), std::invalid_argument);
}
