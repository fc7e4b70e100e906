// Bitmap bytes to the RGB buffer: the three pixel paths, the half turn, hostile headers.
#include "assets/bitmap_decode.h"
#include "bitmap_bytes.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

static Bytes decodeOk(const Bytes& file) {
    DecodedBitmap picture;
    EXPECT_EQ(decodeBitmap(file.data(), file.size(), bitmapMaxSide, picture), BitmapStatus::ok);
    return picture.rgb;
}

TEST(BitmapDecode, TwentyFourBitsTurnedByHalfATurn) {
    // File order: A, B (bottom row), C, D (top row), each blue-green-red.
    const Bytes file = bitmapFile(2, 2, 24, {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10});
    DecodedBitmap picture;
    ASSERT_EQ(decodeBitmap(file.data(), file.size(), bitmapMaxSide, picture), BitmapStatus::ok);
    EXPECT_EQ(picture.width, 2);
    EXPECT_EQ(picture.height, 2);
    // The buffer holds D, C, B, A in red-green-blue.
    EXPECT_EQ(picture.rgb, (Bytes{10, 11, 12, 7, 8, 9, 4, 5, 6, 1, 2, 3}));
}

TEST(BitmapDecode, PaletteEntriesAreLookedUpWhateverTheColourCountSays) {
    Bytes payload(1024, 0);
    payload[5 * 4 + 0] = 10; // blue
    payload[5 * 4 + 1] = 20; // green
    payload[5 * 4 + 2] = 30; // red
    payload[7 * 4 + 2] = 200;
    for (int i = 0; i < 16; ++i)
        payload.push_back(i == 3 ? 7 : 5);
    Bytes file = bitmapFile(4, 4, 8, payload);
    putLittle(file, 46, 2, 4); // colours used: 2, which the loader does not consult
    const Bytes rgb = decodeOk(file);
    ASSERT_EQ(rgb.size(), 48u);
    for (int pixel = 0; pixel < 16; ++pixel) {
        const Bytes texel(rgb.begin() + pixel * 3, rgb.begin() + pixel * 3 + 3);
        // File pixel 3 lands at buffer pixel 16 - 1 - 3.
        EXPECT_EQ(texel, pixel == 12 ? (Bytes{200, 0, 0}) : (Bytes{30, 20, 10})) << pixel;
    }
}

TEST(BitmapDecode, ThirtyTwoBitsGiveTheSameAsTwentyFour) {
    Bytes pixels24, pixels32;
    for (int i = 0; i < 16; ++i) {
        const std::uint8_t b = static_cast<std::uint8_t>(i * 13),
                           g = static_cast<std::uint8_t>(i * 7 + 1),
                           r = static_cast<std::uint8_t>(255 - i);
        pixels24.insert(pixels24.end(), {b, g, r});
        pixels32.insert(pixels32.end(), {b, g, r, static_cast<std::uint8_t>(i * 31)});
    }
    EXPECT_EQ(decodeOk(bitmapFile(4, 4, 32, pixels32)), decodeOk(bitmapFile(4, 4, 24, pixels24)));
}

TEST(BitmapDecode, UnsupportedDepthsAreRefused) {
    for (std::uint16_t bits : {0, 1, 4, 16, 31, 48, 64}) {
        const Bytes file = bitmapFile(2, 2, bits, Bytes(64, 0));
        DecodedBitmap picture;
        EXPECT_EQ(decodeBitmap(file.data(), file.size(), bitmapMaxSide, picture),
                  BitmapStatus::unsupportedDepth)
            << bits;
    }
}

TEST(BitmapDecode, HostileSizesAreRefusedBeforeAnyAllocation) {
    const std::int32_t sides[][2] = {{0, 4},
                                     {4, 0},
                                     {-4, 4},
                                     {4, -4},
                                     {16385, 1},
                                     {1, 16385},
                                     {0x7FFFFFFF, 0x7FFFFFFF},
                                     {-2147483647 - 1, 2}};
    for (const auto& side : sides) {
        const Bytes file = bitmapFile(side[0], side[1], 24, {});
        DecodedBitmap picture;
        EXPECT_EQ(decodeBitmap(file.data(), file.size(), bitmapMaxSide, picture),
                  BitmapStatus::badSize)
            << side[0] << " x " << side[1];
        EXPECT_TRUE(picture.rgb.empty());
    }
    const Bytes big = bitmapFile(300, 300, 24, {});
    DecodedBitmap picture;
    EXPECT_EQ(decodeBitmap(big.data(), big.size(), 256, picture), BitmapStatus::badSize);
    // A header alone claiming far more than its file could fill, beyond the budget: refused;
    // the same claim with a 64th of it present decodes, the rest black.
    const Bytes claim = bitmapFile(2048, 1024, 24, {});
    EXPECT_EQ(decodeBitmap(claim.data(), claim.size(), bitmapMaxSide, picture),
              BitmapStatus::badSize);
    EXPECT_TRUE(picture.rgb.empty());
    const Bytes sixtyFourth = bitmapFile(2048, 1024, 24, Bytes(2048 * 1024 * 3 / 64 - 54, 7));
    EXPECT_EQ(decodeBitmap(sixtyFourth.data(), sixtyFourth.size(), bitmapMaxSide, picture),
              BitmapStatus::ok);
}

TEST(BitmapDecode, ShortFilesLeaveTheMissingPixelsBlack) {
    // Only the first file pixel (the bottom-left one) is present, and half of the second.
    const Bytes file = bitmapFile(4, 1, 24, {30, 20, 10, 99});
    const Bytes rgb = decodeOk(file);
    EXPECT_EQ(rgb, (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 20, 30}));
    // A palette cut short: the pixels that follow are missing too.
    const Bytes paletteOnly = bitmapFile(4, 1, 8, Bytes(300, 255));
    EXPECT_EQ(decodeOk(paletteOnly), Bytes(12, 0));
    // The header itself cut short before the size fields reads as a zero size.
    const Bytes stub(10, 'B');
    DecodedBitmap picture;
    EXPECT_EQ(decodeBitmap(stub.data(), stub.size(), bitmapMaxSide, picture),
              BitmapStatus::unsupportedDepth);
    EXPECT_EQ(decodeBitmap(nullptr, 0, bitmapMaxSide, picture), BitmapStatus::unsupportedDepth);
}

TEST(BitmapDecode, HeaderPromisesTheFileSize) {
    std::size_t needed = 0;
    ASSERT_EQ(checkBitmapHeader({256, 256, 24}, bitmapMaxSide, needed), BitmapStatus::ok);
    EXPECT_EQ(needed, 54u + 256 * 256 * 3);
    ASSERT_EQ(checkBitmapHeader({64, 32, 8}, bitmapMaxSide, needed), BitmapStatus::ok);
    EXPECT_EQ(needed, 54u + 1024 + 64 * 32);
    ASSERT_EQ(checkBitmapHeader({16384, 16384, 32}, bitmapMaxSide, needed), BitmapStatus::ok);
    EXPECT_EQ(needed, 54u + 16384ull * 16384 * 4);
}
