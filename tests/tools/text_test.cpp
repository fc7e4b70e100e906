// Text rendering: the font, fitting and upright glyphs.
#include "pictures/captions.h"
#include "pictures/text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

static FontPtr captionFont() {
    return openFont(captionFontPath);
}

static int inkWidthOfRow(const Coverage& c, int y) {
    int left = c.width, right = -1;
    for (int x = 0; x < c.width; ++x)
        if (c.alpha[std::size_t(y) * c.width + x] > 0.5f) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    return right < 0 ? 0 : right - left + 1;
}

TEST(Text, MissingFontGivesOneLineErrorNamingThePath) {
    const std::string path = "/nonexistent/folder/NoSuchFont.ttf";
    try {
        openFont(path);
        FAIL() << "opening a missing font succeeded";
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

TEST(Text, InkGrowsWithSizeAndLength) {
    const FontPtr font = captionFont();
    const Coverage small = renderText(*font, "HOLLIN", 20), big = renderText(*font, "HOLLIN", 40);
    EXPECT_GT(small.width, 0);
    EXPECT_NEAR(double(big.width) / small.width, 2.0, 0.2);
    EXPECT_NEAR(double(big.height) / small.height, 2.0, 0.2);
    EXPECT_GT(renderText(*font, "HOLLINHOLLIN", 20).width, small.width * 3 / 2);
    EXPECT_EQ(renderText(*font, " ", 20).width, 0); // a space has no ink
}

TEST(Text, CropIsTightAroundTheInk) {
    const FontPtr font = captionFont();
    const Coverage c = renderText(*font, "CODE", 32);
    ASSERT_GT(c.width, 0);
    float top = 0, bottom = 0, left = 0, right = 0;
    for (int x = 0; x < c.width; ++x) {
        top = std::max(top, c.alpha[std::size_t(x)]);
        bottom = std::max(bottom, c.alpha[std::size_t(c.height - 1) * c.width + x]);
    }
    for (int y = 0; y < c.height; ++y) {
        left = std::max(left, c.alpha[std::size_t(y) * c.width]);
        right = std::max(right, c.alpha[std::size_t(y) * c.width + c.width - 1]);
    }
    EXPECT_GT(top, 0);
    EXPECT_GT(bottom, 0);
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);
}

TEST(Text, GlyphsAreUpright) {
    // A 'T' has its bar at the top; an upside-down or mirrored copy would not.
    const FontPtr font = captionFont();
    const Coverage t = renderText(*font, "T", 64);
    EXPECT_GT(inkWidthOfRow(t, 2), 3 * inkWidthOfRow(t, t.height - 3));
    // An 'L' has its foot on the right of its stem.
    const Coverage l = renderText(*font, "L", 64);
    EXPECT_LT(inkWidthOfRow(l, 2), l.width / 2);
    EXPECT_GT(l.alpha[std::size_t(l.height - 2) * l.width + l.width - 2], 0.5f);
}

TEST(Text, FitStaysInsideTheBoxAndUsesIt) {
    const FontPtr font = captionFont();
    for (const char* text : {"I", "WWWWWWWWWWWWWWWWWWWW", "ORVET PARTY", "A\nB"}) {
        const Coverage c = fitText(*font, text, 200, 60);
        EXPECT_LE(c.width, 200) << text;
        EXPECT_LE(c.height, 60) << text;
        // One side of the box is nearly filled.
        EXPECT_TRUE(c.width >= 180 || c.height >= 54) << text << " " << c.width << "x" << c.height;
    }
}

TEST(Text, LinesAreStackedAndCentred) {
    const FontPtr font = captionFont();
    const Coverage one = renderText(*font, "ORVET", 40), two = renderText(*font, "ORVET\nI", 40);
    EXPECT_EQ(two.width, one.width);
    EXPECT_GT(two.height, 2 * one.height);
    // The short second line sits in the middle: its bottom row has ink only near the centre.
    const std::size_t last = std::size_t(two.height - 1) * two.width;
    EXPECT_EQ(two.alpha[last], 0.0f);
    EXPECT_GT(two.alpha[last + two.width / 2], 0.5f);
}

TEST(Text, CaptionCentresTheText) {
    const FontPtr font = captionFont();
    const Canvas c =
        caption(*font, "MUSIC", 256, 256, 0.3f, TextPaint{{1, 1, 1}, {1, 1, 1}, {}, 0});
    double sx = 0, sy = 0, sum = 0;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const float v = at(c, x, y).r;
            sx += v * x;
            sy += v * y;
            sum += v;
        }
    ASSERT_GT(sum, 0);
    EXPECT_NEAR(sx / sum, 127.5, 6);
    EXPECT_NEAR(sy / sum, 127.5, 6);
}

TEST(Text, TwoWordCaptionTakesTwoLinesWhenThatIsLarger) {
    const FontPtr font = captionFont();
    const TextPaint paint{{1, 1, 1}, {1, 1, 1}, {}, 0};
    const Canvas two = caption(*font, "ORVET PARTY", 256, 256, 0.4f, paint);
    // Lit rows form two bands with a black gap between them.
    int bands = 0;
    bool inside = false;
    for (int y = 0; y < two.height; ++y) {
        bool lit = false;
        for (int x = 0; x < two.width; ++x)
            lit = lit || at(two, x, y).r > 0.5f;
        bands += lit && !inside;
        inside = lit;
    }
    EXPECT_EQ(bands, 2);
}
