// The 4:3 picture inside a target of any shape.
#include "show/picture_area.h"

#include <cstdlib>
#include <gtest/gtest.h>

static void expectArea(int width, int height, PictureArea want) {
    const PictureArea got = pictureAreaFor(width, height);
    EXPECT_EQ(got.x, want.x) << width << "x" << height;
    EXPECT_EQ(got.y, want.y) << width << "x" << height;
    EXPECT_EQ(got.width, want.width) << width << "x" << height;
    EXPECT_EQ(got.height, want.height) << width << "x" << height;
}

TEST(PictureArea, FourByThreeTargetsAreTheirOwnPicture) {
    for (int k = 1; k <= 1280; ++k)
        ASSERT_TRUE(fillsTarget(pictureAreaFor(4 * k, 3 * k), 4 * k, 3 * k)) << k;
}

TEST(PictureArea, WideTargetsArePillarboxedTallOnesLetterboxed) {
    expectArea(1920, 1080, {240, 0, 1440, 1080});
    expectArea(1280, 720, {160, 0, 960, 720});
    expectArea(1920, 1200, {160, 0, 1600, 1200});
    expectArea(2048, 1024, {341, 0, 1365, 1024}); // 1365.33: the spare column to the right
    expectArea(1366, 768, {171, 0, 1024, 768});
    expectArea(960, 960, {0, 120, 960, 720});
    expectArea(640, 720, {0, 120, 640, 480});
    expectArea(1080, 1920, {0, 555, 1080, 810});
    expectArea(101, 50, {17, 0, 67, 50}); // 66.67 rounds up
    expectArea(6, 100, {0, 47, 6, 5});    // 4.5 rounds up
    expectArea(0, 720, {0, 0, 0, 0});     // a minimised window
    expectArea(1280, 0, {0, 0, 0, 0});
}

TEST(PictureArea, EverySizeGetsTheLargestCentredFourByThreeInside) {
    for (int w = 1; w <= 400; ++w)
        for (int h = 1; h <= 400; ++h) {
            const PictureArea a = pictureAreaFor(w, h);
            ASSERT_TRUE(a.width == w || a.height == h) << w << "x" << h;
            ASSERT_GE(a.x, 0);
            ASSERT_GE(a.y, 0);
            ASSERT_EQ(a.x, (w - a.width) / 2) << w << "x" << h;
            ASSERT_EQ(a.y, (h - a.height) / 2) << w << "x" << h;
            ASSERT_LE(a.x + a.width, w);
            ASSERT_LE(a.y + a.height, h);
            // Within half a pixel of 4:3 on the side that was cut.
            ASSERT_LE(std::abs(3 * a.width - 4 * a.height), 2) << w << "x" << h;
        }
}
