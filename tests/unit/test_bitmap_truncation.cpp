// One of the show's own pictures cut short at every byte: each cut either fails as a broken
// file or decodes with exactly the bytes present and the rest black.
#include "assets/bitmap_decode.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

TEST(BitmapTruncation, EveryCutOfTheSmallestPictureLoadsBlackOrFails) {
    // The smallest generated picture keeps the run short; it is a palette picture, so the
    // cuts cross the header, the palette and the pixels.
    fs::path smallest;
    for (const auto& entry : fs::directory_iterator("image"))
        if (smallest.empty() || entry.file_size() < fs::file_size(smallest))
            smallest = entry.path();
    ASSERT_FALSE(smallest.empty());
    std::ifstream in(smallest, std::ios::binary);
    const std::vector<std::uint8_t> whole{std::istreambuf_iterator<char>(in), {}};
    DecodedBitmap full;
    ASSERT_EQ(decodeBitmap(whole.data(), whole.size(), bitmapMaxSide, full), BitmapStatus::ok);
    const int pixelBytes = readBitmapHeader(whole.data(), whole.size()).bitsPerPixel / 8;
    const std::size_t pixelStart = 54 + (pixelBytes == 1 ? 1024 : 0);

    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        DecodedBitmap picture;
        const BitmapStatus status = decodeBitmap(whole.data(), cut, bitmapMaxSide, picture);
        if (cut <= 28) { // the depth field (bytes 28 and 29) is missing: reads as 0
            EXPECT_NE(status, BitmapStatus::ok) << cut;
            continue;
        }
        ASSERT_EQ(status, BitmapStatus::ok) << cut;
        ASSERT_EQ(picture.rgb.size(), full.rgb.size());
        const std::size_t present =
            cut > pixelStart ? (cut - pixelStart) / static_cast<std::size_t>(pixelBytes) : 0;
        const std::size_t pixels = full.rgb.size() / 3;
        for (std::size_t n = 0; n < pixels; ++n) {
            const std::size_t at = (pixels - 1 - n) * 3; // file pixel n, turned by half a turn
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(picture.rgb[at + c], n < present ? full.rgb[at + c] : 0)
                    << cut << " " << n;
        }
    }
}
