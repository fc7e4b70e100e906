// Scene 1: its picture windows and the colours they reach GL with, the random values the
// opening swirl takes, the state the scene leaves, and whole frames read back.
#include "draw/random.h"
#include "draw/sprite_fields.h"
#include "gl_test_support.h"
#include "scenes/scene1.h"
#include "scenes/scenes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

float above(float t) {
    return std::nextafter(t, 2.0f);
}
float below(float t) {
    return std::nextafter(t, -1.0f);
}

// The scene as display() draws it, for an exact float T.
void drawAlone(float sceneTime) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    stepScene1(sceneTime);
    drawScene1(sceneTime);
}

// Nothing but the picture lies in the overlay's plane z = 0, at window depth 1/3 under its
// ortho (near -500, far 1000): the swirl's sprites sit at 0.4 ... 0.67 and the sculpture is
// in perspective. Returns the picture's vertices in overlay units.
std::vector<FeedbackVertex> pictureVertices(float sceneTime) {
    std::vector<FeedbackVertex> picture;
    for (const FeedbackPrimitive& p :
         captureFeedback(GL_3D_COLOR_TEXTURE, [sceneTime] { drawAlone(sceneTime); })) {
        if (p.kind != GL_POLYGON_TOKEN ||
            !std::all_of(p.vertices.begin(), p.vertices.end(),
                         [](const FeedbackVertex& v) { return std::fabs(v.z - 1.0f / 3) < 1e-5f; }))
            continue;
        for (FeedbackVertex v : p.vertices) {
            v.x = v.x / static_cast<float>(testWidth()) * 460 - 230;
            v.y = v.y / static_cast<float>(testHeight()) * 400 - 200;
            picture.push_back(v);
        }
    }
    return picture;
}

// Pixels of the frame inside the box (fractions of the frame, origin lower left) that pass
// the colour test.
template <typename ColourTest>
int countPixels(double left, double bottom, double right, double top, ColourTest test) {
    const auto pixels = readFramebuffer();
    const int w = testWidth(), h = testHeight();
    int count = 0;
    for (int y = static_cast<int>(bottom * h); y < static_cast<int>(top * h); ++y)
        for (int x = static_cast<int>(left * w); x < static_cast<int>(right * w); ++x) {
            const std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * w + x) * 3];
            count += test(p[0], p[1], p[2]) ? 1 : 0;
        }
    return count;
}

} // namespace

TEST(Scene1Frame, PictureOnlyStrictlyInsideItsWindowsGrowingFromHalfToSevenTenths) {
    startShowForTest();
    for (float edge : {0.0f, 0.2f, 0.505f, 0.705f, 0.753f, 0.953f, 0.4f, 0.73f, 0.99f}) {
        EXPECT_EQ(pictureWindowAt(edge), 0) << edge;
        EXPECT_TRUE(pictureVertices(edge).empty()) << edge;
    }
    for (float start : {0.0f, 0.505f, 0.753f}) {
        for (float t : {above(start), below(start + 0.2f)}) {
            const auto picture = pictureVertices(t);
            ASSERT_FALSE(picture.empty()) << t;
            // A 360 x 320 quad centred on the overlay.
            const double scale = t < start + 0.1f ? 0.505 : 0.705;
            float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
            for (const FeedbackVertex& v : picture) {
                left = std::min(left, v.x), right = std::max(right, v.x);
                bottom = std::min(bottom, v.y), top = std::max(top, v.y);
            }
            EXPECT_NEAR(left, -180 * scale, 0.01) << t;
            EXPECT_NEAR(right, 180 * scale, 0.01) << t;
            EXPECT_NEAR(bottom, -160 * scale, 0.01) << t;
            EXPECT_NEAR(top, 160 * scale, 0.01) << t;
            for (const FeedbackVertex& v : picture) {
                // Upright: texel (1, 1) at the lower left, (0, 0) at the upper right.
                const bool lowerLeft = v.x == left && v.y == bottom;
                const bool upperRight = v.x == right && v.y == top;
                EXPECT_TRUE(!lowerLeft || (v.s == 1 && v.t == 1)) << t;
                EXPECT_TRUE(!upperRight || (v.s == 0 && v.t == 0)) << t;
            }
        }
    }
    // All through the second window, red and blue reach GL clamped to nothing.
    for (float t = above(0.505f); t < 0.705f; t += 0.01f) {
        for (const FeedbackVertex& v : pictureVertices(t)) {
            EXPECT_TRUE(v.r == 0 && v.b == 0 && v.g > 0) << t;
        }
    }
}

// The picture is added onto the frame, so the frame just inside a window minus the frame at
// its start (the same sculpture and swirl, no picture) is what the picture added.
TEST(Scene1Frame, SecondPictureAddsNoRedOrBlueToThePixels) {
    startShowForTest(160, 120);
    const auto addedBy = [](float start) {
        drawAlone(start);
        const auto without = readFramebuffer();
        drawAlone(above(start));
        const auto with = readFramebuffer();
        std::vector<int> added(3, 0);
        for (std::size_t i = 0; i < with.size(); ++i)
            added[i % 3] = std::max(added[i % 3], with[i] - without[i]);
        return added;
    };
    const auto first = addedBy(0.0f); // the white first picture: the method does see red
    EXPECT_GT(first[0], 40);
    EXPECT_GT(first[2], 40);
    const auto second = addedBy(0.505f);
    EXPECT_LE(second[0], 1);
    EXPECT_LE(second[2], 1);
    EXPECT_GT(second[1], 40);
}

TEST(Scene1Frame, SwirlTakesTheFirstEightyRandomValuesOnTheFirstFrame) {
    startShowForTest();
    drawShowFrameAt(0);
    std::uint32_t state = 14; // the sequence, generated here independently
    const auto next = [&state] {
        state = state * 214013u + 2531011u;
        return static_cast<double>((state >> 16) & 0x7fffu) / 32767;
    };
    for (int i = 0; i < spriteTableSize; ++i) {
        const double x = next() * 300, y = next() * 200;
        EXPECT_NEAR(spriteSwirlX[i], i < 20 ? x : -x, 1e-3) << i;
        EXPECT_NEAR(spriteSwirlY[i], i < 10 || i >= 30 ? y : -y, 1e-3) << i;
    }
    EXPECT_EQ(spriteFieldFilled, 0.0f);
    // Later frames of the scene take nothing more from the sequence.
    drawShowFrameAt(8000);
    drawShowFrameAt(16599);
    EXPECT_EQ(static_cast<double>(nextRandom()) / 32767, next());
}

TEST(Scene1Frame, LeavesTheStateAndBothStacksAsFound) {
    startShowForTest();
    GLdouble projectionBefore[16], projection[16], modelview[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projectionBefore);
    for (float t : {0.0f, 0.1f, 0.3f, 0.6f, 0.8f, 0.99f}) {
        glClearColor(0.5f, 0.5f, 0.5f, 1);
        glNormal3f(0.6f, 0, 0.8f);
        drawAlone(t);
        EXPECT_TRUE(modelviewDepth() == 1 && projectionDepth() == 1) << t;
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(modelview[i], i % 5 == 0 ? 1 : 0) << t;
            EXPECT_EQ(projection[i], projectionBefore[i]) << t;
        }
        GLint mode = 0, bound = -1;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_TRUE(mode == GL_MODELVIEW && bound == 0) << t;
        GLfloat lineWidth = 0, clear[4];
        glGetFloatv(GL_LINE_WIDTH, &lineWidth);
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        EXPECT_EQ(lineWidth, 1.0f) << t;
        EXPECT_EQ(clear[0] + clear[1] + clear[2], 0.0f) << t;
        for (GLenum off : {GL_LIGHTING, GL_LIGHT0, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_BLEND})
            EXPECT_FALSE(glIsEnabled(off)) << t << " " << off;
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_CULL_FACE)) << t;
        // No normal of the scene's own: the hand-built shapes use the one GL holds.
        GLfloat normal[3];
        glGetFloatv(GL_CURRENT_NORMAL, normal);
        EXPECT_TRUE(normal[0] == 0.6f && normal[1] == 0 && normal[2] == 0.8f) << t;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << t;
    }
}

// Whole frames as a viewer sees them, the show drawn every 100 ms up to each, read back at
// 160 x 120. The counts allow for another driver's rounding but not for a missing layer.
TEST(Scene1Frame, WholeFramesShowSwirlSculptureAndPictures) {
    startShowForTest(160, 120);
    ::testing::internal::CaptureStdout(); // a progress line per frame
    for (std::uint32_t ms = 0; ms <= 1000; ms += 100)
        drawShowFrameAt(ms);
    // The swirl, orange at this point of its colour cycle, glows on the left half only.
    const auto orange = [](int r, int g, int b) {
        return r >= 150 && g >= 60 && g <= 200 && b <= 80;
    };
    const int left = countPixels(0, 0, 0.5, 1, orange);
    EXPECT_GT(left, 130);
    EXPECT_GT(left, 3 * countPixels(0.5, 0, 1, 1, orange));
    const auto green = [](int r, int g, int b) { return g >= 120 && r <= 80 && b <= 80; };
    EXPECT_GT(countPixels(0, 0, 1, 1, green), 100); // the cage's wire rings

    for (std::uint32_t ms = 1100; ms <= 9000; ms += 100)
        drawShowFrameAt(ms);
    ::testing::internal::GetCapturedStdout();
    // The swirl turned cyan; the green picture in the middle (the rings alone give about 30).
    const auto cyan = [](int r, int g, int b) { return g >= 150 && b >= 150 && r <= 100; };
    EXPECT_GT(countPixels(0, 0, 0.5, 1, cyan), 500);
    EXPECT_LT(countPixels(0.5, 0, 1, 1, cyan), 20);
    EXPECT_GT(countPixels(0.3, 0.35, 0.7, 0.65, green), 100);
}
