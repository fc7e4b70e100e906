// The golden-frame comparison on made-up pictures: what it forgives and what it catches.
#include "image_compare.h"

#include <gtest/gtest.h>

static RgbImage plain(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        image.pixels.insert(image.pixels.end(), {r, g, b});
    return image;
}

static void fill(RgbImage& image, int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                 std::uint8_t b) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            std::uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
            p[0] = r;
            p[1] = g;
            p[2] = b;
        }
}

// A dark frame with a thin line, a bright bar and a soft gradient (1 pixel: 1/19200).
static RgbImage scene() {
    RgbImage image = plain(160, 120, 10, 10, 30);
    fill(image, 20, 30, 90, 50, 250, 200, 40);
    fill(image, 0, 20, 160, 21, 40, 220, 255);
    for (int x = 100; x < 150; ++x)
        fill(image, x, 60, x + 1, 110, 0, static_cast<std::uint8_t>(x), 80);
    return image;
}

TEST(ImageCompare, SmallDriverDifferencesPass) {
    const RgbImage reference = scene();
    RgbImage frame = reference;
    EXPECT_EQ(compareImages(reference, frame, 24).unmatched, 0);
    // Rounding: every channel off by a few steps.
    for (auto& v : frame.pixels)
        v = static_cast<std::uint8_t>(v < 250 ? v + 4 : v - 4);
    EXPECT_EQ(compareImages(reference, frame, 24).unmatched, 0);
    // An edge one pixel over: the bar grows by a column, the line moves down a row.
    frame = reference;
    fill(frame, 90, 30, 91, 50, 250, 200, 40);
    fill(frame, 0, 20, 160, 21, 10, 10, 30);
    fill(frame, 0, 21, 160, 22, 40, 220, 255);
    EXPECT_EQ(compareImages(reference, frame, 24).unmatched, 0);
}

TEST(ImageCompare, MissingMovedOrRecolouredLayersShow) {
    const RgbImage reference = scene();
    RgbImage frame = reference;
    fill(frame, 0, 20, 160, 21, 10, 10, 30); // the thin line is gone: 160 pixels
    EXPECT_GT(compareImages(reference, frame, 24).unmatched, 0.008);
    frame = reference;
    fill(frame, 20, 30, 90, 50, 10, 10, 30); // the bar moved 6 pixels down
    fill(frame, 20, 36, 90, 56, 250, 200, 40);
    EXPECT_GT(compareImages(reference, frame, 24).unmatched, 0.015);
    frame = reference;
    fill(frame, 20, 30, 90, 50, 250, 120, 40); // the bar's green is off
    EXPECT_GT(compareImages(reference, frame, 24).unmatched, 0.05);
    frame = reference;
    fill(frame, 60, 5, 70, 15, 255, 255, 255); // something new appeared
    EXPECT_GT(compareImages(reference, frame, 24).unmatched, 0.004);
    // A cast over the whole picture moves the means.
    frame = reference;
    for (std::size_t i = 2; i < frame.pixels.size(); i += 3)
        frame.pixels[i] /= 2;
    EXPECT_GT(compareImages(reference, frame, 24).meanShift, 10);
}

TEST(ImageCompare, DifferentSizesNeverMatch) {
    EXPECT_EQ(compareImages(plain(16, 16, 0, 0, 0), plain(16, 17, 0, 0, 0), 24).unmatched, 1);
}
