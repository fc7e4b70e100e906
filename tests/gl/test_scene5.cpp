// Scene 5: where the credit pictures fly, rest and leave, the landing jolts' edges, and whole
// frames seen through feedback mode and read-back pixels.
#include "gl_test_support.h"
#include "scenes/scene5.h"
#include "scenes/scenes.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

// 460 x 400 pixels: the overlay's units are pixels, origin at (230, 200).
constexpr int frameWidth = 460, frameHeight = 400;

static void drawFrame(float sceneTime) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    stepScene5(sceneTime);
    drawScene5(sceneTime);
}

struct Rect {
    float left, right, bottom, top; // in overlay units
};

static Rect boundsOf(const FeedbackPrimitive& p) {
    Rect r{1e9f, -1e9f, 1e9f, -1e9f};
    for (const FeedbackVertex& v : p.vertices) {
        r.left = std::min(r.left, v.x - 230), r.right = std::max(r.right, v.x - 230);
        r.bottom = std::min(r.bottom, v.y - 200), r.top = std::max(r.top, v.y - 200);
    }
    return r;
}

static void expectRect(const Rect& got, const Rect& want, const char* what) {
    EXPECT_NEAR(got.left, want.left, 1e-3) << what;
    EXPECT_NEAR(got.right, want.right, 1e-3) << what;
    EXPECT_NEAR(got.bottom, want.bottom, 1e-3) << what;
    EXPECT_NEAR(got.top, want.top, 1e-3) << what;
}

struct FrameParts {
    std::array<Rect, 4> pictures{}; // green-tinted quads by corner: TL, TR, BL, BR
    int pictureCount = 0;
    std::vector<Rect> backdrops;                  // white quads of alpha 0.7
    std::vector<std::array<float, 3>> fullScreen; // colours of quads covering the screen
    std::vector<FeedbackPrimitive> redLines;      // the wire cube
};

static Rect unite(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::max(a.right, b.right), std::min(a.bottom, b.bottom),
            std::max(a.top, b.top)};
}

// Feedback hands each quad over as two triangles, each clipped on its own. Consecutive
// polygons of one colour are joined back into one surface; the green pictures, drawn one
// after another in the same tint, are told apart by the screen corner they lie in.
static FrameParts captureFrame(float sceneTime) {
    FrameParts parts;
    const auto primitives = captureFeedback(GL_3D_COLOR, [sceneTime] { drawFrame(sceneTime); });
    std::array<bool, 4> seen{};
    struct Surface {
        FeedbackVertex colour;
        Rect bounds;
    };
    std::vector<Surface> surfaces;
    for (const FeedbackPrimitive& p : primitives) {
        const FeedbackVertex& v = p.vertices[0];
        if (p.kind == GL_LINE_TOKEN) {
            if (v.r > 0 && v.g == 0 && v.b == 0) parts.redLines.push_back(p);
            continue;
        }
        if (p.kind != GL_POLYGON_TOKEN) continue;
        const Rect r = boundsOf(p);
        if (v.r == 0 && v.g == 1 && std::abs(v.b - 0.3f) < 1e-6f) {
            const int corner = ((r.left + r.right) / 2 > 0) + 2 * ((r.bottom + r.top) / 2 < 0);
            parts.pictures[corner] = seen[corner] ? unite(parts.pictures[corner], r) : r;
            seen[corner] = true;
        }
        const FeedbackVertex* last = surfaces.empty() ? nullptr : &surfaces.back().colour;
        if (last && last->r == v.r && last->g == v.g && last->b == v.b && last->a == v.a)
            surfaces.back().bounds = unite(surfaces.back().bounds, r);
        else
            surfaces.push_back({v, r});
    }
    for (bool s : seen)
        parts.pictureCount += s;
    for (const Surface& s : surfaces) {
        const FeedbackVertex& c = s.colour;
        if (c.r == 1 && c.g == 1 && c.b == 1 && std::abs(c.a - 0.7f) < 1e-6f)
            parts.backdrops.push_back(s.bounds);
        const Rect& r = s.bounds;
        const bool covers = std::abs(r.left + 230) < 1e-3f && std::abs(r.right - 230) < 1e-3f &&
                            std::abs(r.bottom + 200) < 1e-3f && std::abs(r.top - 200) < 1e-3f;
        if (covers) parts.fullScreen.push_back({c.r, c.g, c.b});
    }
    return parts;
}

// The square a placement covers on the unclipped overlay: the 60-unit quad, scaled, with
// the slide applied inside the scale.
static Rect placedSquare(const CreditPlacement& place) {
    const float cx = place.x + place.scale * place.slideX;
    const float cy = place.y + place.scale * place.slideY;
    const float half = 30 * place.scale;
    return {cx - half, cx + half, cy - half, cy + half};
}

TEST(Scene5Credits, FlightRestAndSlideOutFollowTheKeys) {
    for (const CreditPicture& picture : creditPictures) {
        // A flight ends exactly where the picture rests.
        EXPECT_NEAR(picture.flightX * creditFlightSpan, picture.restX, 1e-3);
        EXPECT_NEAR(picture.flightY * creditFlightSpan, picture.restY, 1e-3);

        EXPECT_FALSE(placeCreditPicture(picture, picture.key).drawn);
        const CreditPlacement dot = placeCreditPicture(picture, std::nextafter(picture.key, 1.f));
        EXPECT_TRUE(dot.drawn);
        EXPECT_LT(dot.scale, 1e-5f);
        EXPECT_LT(std::abs(dot.x) + std::abs(dot.y), 1e-3f);

        const CreditPlacement half = placeCreditPicture(picture, picture.key + 0.02f);
        EXPECT_FALSE(half.resting);
        EXPECT_NEAR(half.x, picture.restX / 2, 0.02);
        EXPECT_NEAR(half.scale, 1.4, 1e-4);

        // Landing: at rest from key + 0.04 itself, 168 units across.
        const CreditPlacement landed = placeCreditPicture(picture, picture.key + creditFlightSpan);
        EXPECT_TRUE(landed.resting);
        EXPECT_EQ(landed.x, picture.restX);
        EXPECT_EQ(landed.y, picture.restY);
        EXPECT_EQ(landed.scale, 2.8f);
        EXPECT_EQ(landed.slideX, 0.0f);

        // Sliding out from the outro at 2.8 times the slide velocity on screen; all four
        // are off the 460 x 400 screen by 0.4058.
        const Rect gone = placedSquare(placeCreditPicture(picture, 0.4058f));
        const bool off =
            gone.left > 230 || gone.right < -230 || gone.bottom > 200 || gone.top < -200;
        EXPECT_TRUE(off) << picture.key;
        EXPECT_TRUE(placeCreditPicture(picture, 0.4058f).drawn);
    }
    // Entry 3 sits 4 units higher than the other bottom corner.
    EXPECT_EQ(creditPictures[2].restY, -132.0f);
    EXPECT_EQ(creditPictures[3].restY, -136.0f);
}

TEST(Scene5Credits, NoPictureIsDrawnFromTheEndOfItsSpanOn) {
    const float drawnUntil = outroStart + creditDrawnAfterOutro;
    EXPECT_NEAR(drawnUntil, 0.445f, 1e-7f);
    for (const CreditPicture& picture : creditPictures) {
        EXPECT_TRUE(placeCreditPicture(picture, std::nextafter(drawnUntil, 0.f)).drawn);
        for (float t = drawnUntil; t < 1; t = std::nextafter(t + 1e-4f, 1.f))
            ASSERT_FALSE(placeCreditPicture(picture, t).drawn) << t;
    }
    // At 0.41 all four are still drawn, but nothing of them reaches the screen.
    startShowForTest(frameWidth, frameHeight);
    EXPECT_EQ(captureFrame(0.41f).pictureCount, 0);
}

TEST(Scene5Credits, LandingJoltsHaveStrictEdges) {
    const float starts[] = {0.15f, 0.18f, 0.285f, 0.315f};
    for (int i = 0; i < creditPictureCount; ++i) {
        const float begin = creditPictures[i].key + creditFlightSpan;
        const float end = creditPictures[i].key + joltEndSpan;
        EXPECT_NEAR(begin, starts[i], 1e-7f);
        EXPECT_NEAR(end - begin, 0.015f, 1e-7f);
        EXPECT_FALSE(landingJoltActive(begin)) << i;
        EXPECT_TRUE(landingJoltActive(std::nextafter(begin, 1.f))) << i;
        EXPECT_TRUE(landingJoltActive(std::nextafter(end, 0.f))) << i;
        EXPECT_FALSE(landingJoltActive(end)) << i;
    }
    EXPECT_FALSE(landingJoltActive(0.3f)); // the music caption's window is open at 0.30

    // In a frame, the jolt moves the picture that just landed but not the backdrop. It starts
    // from nothing (its sines are near zero at 0.15), so it is looked at in mid-window.
    startShowForTest(frameWidth, frameHeight);
    const Rect rest{-220, -52, 52, 200};
    for (const float t : {0.15f, 0.165f}) {
        const FrameParts still = captureFrame(t);
        ASSERT_EQ(still.pictureCount, 2) << t; // the coder's picture is in flight
        expectRect(still.pictures[0], rest, "resting, not jolted");
    }
    const FrameParts jolted = captureFrame(0.155f);
    ASSERT_EQ(jolted.pictureCount, 2);
    const float shift = std::abs(jolted.pictures[0].right - rest.right) +
                        std::abs(jolted.pictures[0].bottom - rest.bottom);
    EXPECT_GT(shift, 5.0f);
    ASSERT_EQ(jolted.backdrops.size(), 1u);
    expectRect(jolted.backdrops[0], {-230, 230, -200, 190}, "backdrop");
}

TEST(Scene5Frames, TheFrameAtPointThree) {
    startShowForTest(frameWidth, frameHeight);
    const FrameParts frame = captureFrame(0.3f);
    // Three pictures at rest in their corners, cut by the top or bottom edge; the musician's
    // in flight at (85, -85) with scale 1.75, untouched by any jolt.
    ASSERT_EQ(frame.pictureCount, 4);
    expectRect(frame.pictures[0], {-220, -52, 52, 200}, "code caption");
    expectRect(frame.pictures[1], {52, 220, 52, 200}, "coder");
    expectRect(frame.pictures[2], {-220, -52, -200, -48}, "music caption");
    const float half = 30 * 1.75f;
    expectRect(frame.pictures[3], {85 - half, 85 + half, -85 - half, -85 + half}, "musician");
    EXPECT_FALSE(placeCreditPicture(creditPictures[3], 0.3f).resting);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(placeCreditPicture(creditPictures[i], 0.3f).resting);

    // The backdrop at full white, 10 units short of the top; no title and no flash.
    ASSERT_EQ(frame.backdrops.size(), 1u);
    expectRect(frame.backdrops[0], {-230, 230, -200, 190}, "backdrop");
    EXPECT_TRUE(frame.fullScreen.empty());

    // The wire cube in (0.7, 0, 0), centred on the screen: no jolt moved it.
    ASSERT_GE(frame.redLines.size(), 12u);
    for (const FeedbackPrimitive& line : frame.redLines) {
        EXPECT_NEAR(line.vertices[0].r, 0.7f, 1e-6f);
        for (const FeedbackVertex& v : line.vertices)
            EXPECT_LT(std::hypot(v.x - 230, v.y - 200), 35 * std::sqrt(3.0f) + 1e-3f);
    }
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_NEAR(clear[0], 0.14f, 1e-6f);
    EXPECT_EQ(modelviewDepth(), 1);
    EXPECT_EQ(projectionDepth(), 1);
}

TEST(Scene5Frames, TheTitleFadesInAfterTheOutroAndEscapesTheFlashWindow) {
    startShowForTest(frameWidth, frameHeight);
    EXPECT_TRUE(captureFrame(outroStart).fullScreen.empty());
    const FrameParts end = captureFrame(0.99f);
    ASSERT_EQ(end.fullScreen.size(), 1u);
    EXPECT_NEAR(end.fullScreen[0][0], 0.595f, 1e-5f);
    EXPECT_NEAR(end.fullScreen[0][1], 0.8925f, 1e-5f);
    EXPECT_EQ(end.fullScreen[0][2], 1.0f); // 1.19, clamped
    EXPECT_EQ(end.pictureCount, 0);

    // Early on only the flash covers the screen, in (1 - 5t) grey.
    const FrameParts early = captureFrame(0.1f);
    ASSERT_EQ(early.fullScreen.size(), 1u);
    EXPECT_NEAR(early.fullScreen[0][0], 0.5f, 1e-6f);
    EXPECT_TRUE(captureFrame(openingFlashEnd).fullScreen.empty());
}

TEST(Scene5Frames, TheFirstFrameSaturatesToWhite) {
    startShowForTest(frameWidth, frameHeight);
    drawShowFrameAt(64100); // scene 4 leaves its dark grey to clear with
    drawShowFrameAt(64200);
    const std::vector<std::uint8_t> pixels = readFramebuffer();
    std::size_t notWhite = 0;
    for (std::uint8_t c : pixels)
        notWhite += c != 255;
    EXPECT_EQ(notWhite, 0u);
}
