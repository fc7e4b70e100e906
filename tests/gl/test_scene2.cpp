// Scene 2: the random box table, the camera and its held moves, what GL receives at the
// scene's edges in time, the state it leaves, and whole frames read back.
#include "draw/sprite_fields.h"
#include "gl_test_support.h"
#include "scenes/scene2.h"
#include "scenes/scenes.h"
#include "show/scene_table.h"

#include <GL/glu.h>
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

void drawAlone(float sceneTime) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    stepScene2(sceneTime);
    drawScene2(sceneTime);
}

std::vector<FeedbackPrimitive> feedbackAt(float sceneTime) {
    return captureFeedback(GL_3D_COLOR, [sceneTime] { drawAlone(sceneTime); });
}

bool hasColour(const FeedbackPrimitive& p, float r, float g, float b) {
    const FeedbackVertex& v = p.vertices[0];
    return v.r == r && v.g == g && v.b == b;
}

// Both overlays put their flat squares at window depth 100/1100 (the plane z = 0 under
// glOrtho(..., -100, 1000)); the logo is drawn with alpha 0.8, the field's sprites opaque.
int spriteFieldPolygons(float sceneTime) {
    const auto primitives = feedbackAt(sceneTime);
    return static_cast<int>(std::count_if(primitives.begin(), primitives.end(), [](auto& p) {
        return p.kind == GL_POLYGON_TOKEN &&
               std::all_of(p.vertices.begin(), p.vertices.end(), [](const FeedbackVertex& v) {
                   return std::fabs(v.z - 1.0f / 11) < 1e-5f && v.a == 1;
               });
    }));
}

struct Camera {
    float eyeX, eyeY, centerX, centerY;
};

// Pixels of the frame inside the box (fractions of the frame, origin lower left) that pass
// the colour test.
int countPixels(double left, double bottom, double right, double top, bool (*test)(int, int, int)) {
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
bool pureBlue(int r, int g, int b) {
    return b >= 120 && r <= 40 && g <= 40;
}
bool pureGreen(int r, int g, int b) {
    return g >= 120 && r <= 40 && b <= 40;
}
bool pureRed(int r, int g, int b) {
    return r >= 120 && g <= 40 && b <= 40;
}
bool cyan(int r, int g, int b) {
    return g >= 150 && b >= 150 && r <= 100;
}
bool white(int r, int g, int b) {
    return r >= 200 && g >= 200 && b >= 200;
}

} // namespace

TEST(Scene2Timing, BoxColourChangesChannelAtItsThreeTimesWhereThePulseIsDark) {
    enum Hue { green, blue, red, grey };
    const auto hueOf = [](float t) {
        const BoxColour c = boxColourAt(t);
        if (c.red == c.green && c.green == c.blue) return grey;
        if (c.red == 0 && c.blue == 0) return green;
        return c.red == 0 && c.green == 0 ? blue : red;
    };
    EXPECT_EQ(hueOf(below(0.2f)), green);
    EXPECT_EQ(hueOf(0.2f), blue);
    EXPECT_EQ(hueOf(below(0.47f)), blue);
    EXPECT_EQ(hueOf(0.47f), red);
    EXPECT_EQ(hueOf(below(0.73f)), red);
    EXPECT_EQ(hueOf(0.73f), grey);
    for (float change : {0.2f, 0.47f, 0.73f}) {
        const BoxColour c = boxColourAt(change);
        EXPECT_LT(std::max({c.red, c.green, c.blue}), 0.005) << change;
    }
}

TEST(Scene2Frame, BoxTableTakesValues161To355WhenTheShowRunsFromScene1) {
    startShowForTest(64, 48);
    drawShowFrameAt(0);
    drawShowFrameAt(16600);
    std::uint32_t state = 14; // the sequence, generated here independently
    const auto next = [&state] {
        state = state * 214013u + 2531011u;
        return static_cast<double>((state >> 16) & 0x7fffu) / 32767;
    };
    const auto expectClose = [](float actual, double expected, int i) {
        EXPECT_NEAR(actual, expected, 1e-6 * std::fabs(expected) + 1e-4) << i;
    };
    for (int i = 0; i < 80; ++i)
        next(); // the opening swirl's
    for (int i = 0; i < spriteTableSize; ++i) {
        const double x = next() * 400, y = next() * 300;
        expectClose(spriteFieldX[i], i < 20 ? x : -x, i);
        expectClose(spriteFieldY[i], i < 10 || i >= 30 ? y : -y, i);
    }
    for (int i = 0; i < boxCount; ++i) {
        expectClose(boxX[i], next() * 500, i);
        expectClose(boxZ[i], next() * 9500, i);
        expectClose(boxY[i], next() * (i < 32 ? 200 : -200), i);
    }
    // Filled once: later frames, in either sprite phase, change nothing.
    const std::vector<float> before(boxX, boxX + boxCount);
    drawShowFrameAt(27000);
    drawShowFrameAt(33000);
    EXPECT_EQ(std::vector<float>(boxX, boxX + boxCount), before);
}

TEST(Scene2Frame, CameraStartsBesideTheLatticeLookingDownTheField) {
    startShowForTest();
    drawShowFrameAt(0);
    const auto primitives = captureFeedback(GL_3D, [] { drawShowFrameAt(16600); });
    EXPECT_NEAR(camEyeX, -20, 1e-5);
    EXPECT_NEAR(camCenterX, -10, 1e-5);
    EXPECT_NEAR(camEyeY, 0, 1e-5);
    EXPECT_NEAR(camCenterY, 0, 1e-5);
    // Where the lattice's line at depth 1000 lands for eye (-20, 0, 0) looking at
    // (-10, 0, 7900), projected by GLU through the projection the scene found.
    GLdouble modelview[16], projection[16], bottom[3], top[3];
    GLint viewport[4];
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(-20, 0, 0, -10, 0, 7900, 0, 1, 0);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(-50, -200, 1000, modelview, projection, viewport, bottom, bottom + 1, bottom + 2);
    gluProject(-50, 200, 1000, modelview, projection, viewport, top, top + 1, top + 2);
    EXPECT_EQ(std::count_if(primitives.begin(), primitives.end(),
                            [&](const FeedbackPrimitive& p) {
                                const FeedbackVertex &a = p.vertices[0], &b = p.vertices[1];
                                return p.kind == GL_LINE_TOKEN &&
                                       std::fabs(a.x - bottom[0]) < 0.01 &&
                                       std::fabs(a.y - bottom[1]) < 0.01 &&
                                       std::fabs(b.x - top[0]) < 0.01 &&
                                       std::fabs(b.y - top[1]) < 0.01;
                            }),
              1);
}

// Runs scene 2 every stepMs and checks the camera after each frame: inside a move only its
// own coordinates change and the move starts from its own start; between moves all four
// hold, as near the move's end as the frame spacing allows. Returns the largest shortfall.
double runCameraFrames(std::uint32_t stepMs) {
    const struct {
        float start, end;
        bool x, y;
        Camera from, to;
    } moves[] = {
        {0.0f, 0.04f, false, true, {-20, 0, -10, 0}, {-20, 140, -10, 140}},
        {0.13f, 0.17f, true, false, {-20, 140, -10, 140}, {120, 140, 130, 140}},
        {0.25f, 0.29f, false, true, {120, 140, 130, 140}, {120, 0, 130, 0}},
        {0.38f, 0.42f, true, false, {120, 0, 130, 0}, {-20, 0, -10, 0}},
        {0.5f, 0.54f, true, false, {-20, 0, -10, 0}, {120, 0, 130, 0}},
        {0.62f, 0.66f, false, true, {120, 0, 130, 0}, {120, 140, 130, 140}},
        {0.74f, 0.78f, true, true, {120, 140, 130, 140}, {-20, 0, -10, 0}},
    };
    // The easing's largest change over one frame spacing, at either end of a move.
    const double tolerance = 70 * (1 - std::cos(stepMs / 16700.0 * 12.5 * 6.28318)) + 1e-3;
    const auto expectNear = [tolerance](const Camera& a, const Camera& b, float t) {
        EXPECT_NEAR(a.eyeX, b.eyeX, tolerance) << t;
        EXPECT_NEAR(a.eyeY, b.eyeY, tolerance) << t;
        EXPECT_NEAR(a.centerX, b.centerX, tolerance) << t;
        EXPECT_NEAR(a.centerY, b.centerY, tolerance) << t;
    };

    startShowForTest(48, 36);
    drawShowFrameAt(16000); // the show runs from scene 1
    std::vector<std::pair<float, Camera>> frames;
    ::testing::internal::CaptureStdout(); // a progress line per frame
    for (std::uint32_t ms = 16600; ms < 33300; ms += stepMs) {
        drawShowFrameAt(ms);
        frames.push_back(
            {static_cast<float>(sceneProgress(2, ms)), {camEyeX, camEyeY, camCenterX, camCenterY}});
    }
    ::testing::internal::GetCapturedStdout();

    int inside = -1; // the move of the frame before
    Camera previous = frames[0].second;
    double shortfall = 0;
    for (const auto& [t, now] : frames) {
        const auto* move = std::find_if(std::begin(moves), std::end(moves),
                                        [t](auto& m) { return m.start <= t && t < m.end; });
        const bool moving = move != std::end(moves);
        const bool xHeld = !moving || !move->x, yHeld = !moving || !move->y;
        EXPECT_TRUE(!xHeld || (now.eyeX == previous.eyeX && now.centerX == previous.centerX)) << t;
        EXPECT_TRUE(!yHeld || (now.eyeY == previous.eyeY && now.centerY == previous.centerY)) << t;
        EXPECT_NEAR(now.centerX - now.eyeX, 10, 1e-4) << t;
        EXPECT_NEAR(now.centerY - now.eyeY, 0, 1e-4) << t;
        if (moving && move - moves != inside) expectNear(now, move->from, t);
        if (!moving && inside >= 0) {
            expectNear(now, moves[inside].to, t);
            const Camera& to = moves[inside].to;
            shortfall = std::max({shortfall, std::fabs(double{now.eyeX} - to.eyeX),
                                  std::fabs(double{now.eyeY} - to.eyeY)});
        }
        inside = moving ? static_cast<int>(move - moves) : -1;
        previous = now;
    }
    return shortfall;
}

TEST(Scene2Frame, CameraHoldsEachMoveAtSixtyFramesASecond) {
    EXPECT_LT(runCameraFrames(16), 0.25);
}

// At six frames a second the last frame inside a move can fall well short of its end, and
// the camera holds that shortfall until the next move.
TEST(Scene2Frame, CameraHoldsEachMoveAtSixFramesASecond) {
    EXPECT_GT(runCameraFrames(170), 1.0);
}

TEST(Scene2Frame, SpriteFieldAbsentAtItsBoundsExactly) {
    startShowForTest();
    EXPECT_GT(spriteFieldPolygons(0.1f), 0); // fills the field's table, as the first frame does
    EXPECT_GT(spriteFieldPolygons(below(0.25f)), 0);
    EXPECT_EQ(spriteFieldPolygons(0.25f), 0);
    EXPECT_EQ(spriteFieldPolygons(0.5f), 0);
    EXPECT_GT(spriteFieldPolygons(above(0.5f)), 0);
    EXPECT_GT(spriteFieldPolygons(below(0.75f)), 0);
    EXPECT_EQ(spriteFieldPolygons(0.75f), 0);
}

TEST(Scene2Frame, BoxColourReachesTheBoxesAndTheLatticeLinesAlongZ) {
    startShowForTest();
    for (float t : {0.07f, 0.33f, 0.6f, 0.87f}) {
        const BoxColour c = boxColourAt(t);
        const auto r = static_cast<float>(c.red), g = static_cast<float>(c.green),
                   b = static_cast<float>(c.blue);
        int lines = 0, longLines = 0, faces = 0;
        for (const FeedbackPrimitive& p : feedbackAt(t)) {
            if (!hasColour(p, r, g, b)) continue;
            if (p.kind != GL_LINE_TOKEN) {
                ++faces;
                continue;
            }
            ++lines;
            // The lattice's lines along z run from the screen's edge far into it; no edge of
            // a 30 x 20 x 20 box comes near that length.
            const FeedbackVertex &from = p.vertices[0], &to = p.vertices[1];
            longLines += std::hypot(to.x - from.x, to.y - from.y) > testWidth() / 4.0f;
        }
        EXPECT_GT(faces, 0) << t;
        EXPECT_GT(lines, 41) << t; // the wire boxes too
        // The lines along z end at depth 5000, behind the eye from T = 0.56 on.
        if (t < 0.5f) {
            EXPECT_GT(longLines, 20) << t;
        }
    }
}

// The lines along y pulse once T exceeds 0.8 as a double; the panels fade only once it
// exceeds 0.8 as a float, so at the float nearest 0.8 the one has begun and the other not.
TEST(Scene2Frame, LatticePulsesAtTheDoubleAndPanelsFadeAtTheFloatEightTenths) {
    startShowForTest();
    drawAlone(0.1f);
    struct Seen {
        int whiteLines = 0, greyLines = 0, fullPanels = 0, fadedPanels = 0;
    };
    const auto look = [](float t) {
        Seen seen;
        const auto grey = static_cast<float>(latticeLineGreyAt(t));
        for (const FeedbackPrimitive& p : feedbackAt(t)) {
            const FeedbackVertex& v = p.vertices[0];
            if (p.kind == GL_LINE_TOKEN) {
                seen.whiteLines += hasColour(p, 1, 1, 1);
                seen.greyLines += grey < 1 && hasColour(p, grey, grey, grey);
            } else {
                // The panels are the only polygons blended at alpha 0.7, and the only ones in
                // a near-white grey once they fade.
                seen.fullPanels += v.a == 0.7f;
                seen.fadedPanels +=
                    v.a == 1 && hasColour(p, v.r, v.r, v.r) && v.r > 0.99f && v.r < 1;
            }
        }
        return seen;
    };
    const Seen before = look(below(0.8f)), at = look(0.8f), after = look(above(0.8f));
    EXPECT_TRUE(before.whiteLines > 100 && before.greyLines == 0);
    EXPECT_TRUE(before.fullPanels > 0 && before.fadedPanels == 0);
    EXPECT_TRUE(at.whiteLines == 0 && at.greyLines > 100);
    EXPECT_TRUE(at.fullPanels > 0 && at.fadedPanels == 0);
    EXPECT_TRUE(after.fullPanels == 0 && after.fadedPanels > 0);
}

TEST(Scene2Frame, LeavesTheStateAndBothStacksAsFound) {
    startShowForTest();
    GLdouble projectionBefore[16], projection[16], modelview[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projectionBefore);
    for (float t : {0.0f, 0.1f, 0.3f, 0.6f, 0.85f, 0.99f}) {
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
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW) << t;
        GLfloat clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        EXPECT_EQ(clear[0] + clear[1] + clear[2], 0.0f) << t;
        // The logo's picture stays bound; display() drops it after the scene.
        for (GLenum off : {GL_LIGHTING, GL_LIGHT0, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_BLEND})
            EXPECT_FALSE(glIsEnabled(off)) << t << " " << off;
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_CULL_FACE)) << t;
        // The lattice sends its own normal, whatever GL held before.
        GLfloat normal[3];
        glGetFloatv(GL_CURRENT_NORMAL, normal);
        EXPECT_TRUE(normal[0] == 0 && normal[1] == 0 && normal[2] == 1) << t;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << t;
    }
}

// Whole frames as a viewer sees them, the show drawn every 100 ms up to each, read back at
// 160 x 120. The counts allow for another driver's rounding but not for a missing layer.
TEST(Scene2Frame, WholeFramesShowFieldBoxesLatticePanelsAndCubeRing) {
    startShowForTest(160, 120);
    ::testing::internal::CaptureStdout(); // a progress line per frame
    std::uint32_t ms = 0;
    const auto runTo = [&ms](std::uint32_t to) {
        for (; ms < to; ms += 100)
            drawShowFrameAt(ms);
        drawShowFrameAt(to);
    };
    runTo(16600); // the scene's first frame: the sprite field at full brightness
    EXPECT_GT(countPixels(0, 0, 0.5, 1, white), 2000);
    EXPECT_GT(countPixels(0, 0, 1.0 / 3, 1.0 / 3, cyan), 20); // the cube ring
    runTo(17700); // green boxes at the height of their pulse
    EXPECT_GT(countPixels(0, 0, 1, 1, pureGreen), 50);
    EXPECT_LE(countPixels(0, 0, 1, 1, pureBlue) + countPixels(0, 0, 1, 1, pureRed), 5);
    // Blue boxes at the height of their pulse (at 20 000 ms they are near its dark point).
    runTo(22166);
    ::testing::internal::GetCapturedStdout();
    EXPECT_GT(countPixels(0, 0, 1, 1, pureBlue), 150);
    EXPECT_LE(countPixels(0, 0, 1, 1, pureGreen) + countPixels(0, 0, 1, 1, pureRed), 5);
    EXPECT_GT(countPixels(0, 0, 1, 1, white), 250); // lattice and floor panels
    // The cube ring's cyan in the lower left and nowhere else.
    EXPECT_GT(countPixels(0, 0, 1.0 / 3, 1.0 / 3, cyan), 30);
    EXPECT_LE(countPixels(0, 0.5, 1, 1, cyan) + countPixels(0.5, 0, 1, 0.5, cyan), 5);
}
