// drawRingTower observed through feedback and the pipeline counters: samples, spikes, the
// mirrored levels, the winding, and the towers it refuses to draw.
#include "draw/ring_tower.h"
#include "gl_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

// Feedback of a tower with the scene's radii and half height, in object coordinates.
static std::vector<FeedbackPrimitive> tower(int spikeEvery, int step, int levels,
                                            float spikeRadius = 90) {
    auto primitives = captureFeedback(
        GL_3D_COLOR, [=] { drawRingTower(spikeRadius, 70, 40, spikeEvery, step, levels); });
    for (FeedbackPrimitive& p : primitives)
        for (FeedbackVertex& v : p.vertices)
            v = objectCoordinates(v);
    return primitives;
}

// Degrees around the y axis, 0 on +z and 90 on +x, in 0 ... 360.
static double angleOf(const FeedbackVertex& o) {
    const double degrees = std::atan2(o.x, o.z) * 180 / M_PI;
    return degrees < -1e-3 ? degrees + 360 : degrees;
}

static double radiusOf(const FeedbackVertex& o) {
    return std::hypot(o.x, o.z);
}

TEST(KitRingTower, SceneTowerSpansItsLevelsEdgeToEdgeAndEndsRedAndThin) {
    openTestWindow();
    useIdentityWindowMapping();
    glDisable(GL_CULL_FACE);
    const SubmittedCounts sent = countSubmitted([] { drawRingTower(90, 70, 40, 60, 15, 7); });
    // 7 levels, each drawn above and below, four strips of 25 samples, two vertices each.
    EXPECT_EQ(sent.vertices, 7u * 2 * 4 * 25 * 2);
    // Band centres 80 apart from -480 to 480, each band reaching 40 above and below it.
    std::set<long> heights, expected;
    for (const FeedbackPrimitive& p : tower(60, 15, 7))
        for (const FeedbackVertex& v : p.vertices) {
            EXPECT_NEAR(v.y, std::round(v.y), 1e-3);
            heights.insert(std::lround(v.y));
        }
    for (long y = -520; y <= 520; y += 40)
        expected.insert(y);
    EXPECT_EQ(heights, expected);

    GLfloat colour[4], width = 0;
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(colour[0], 1.0f);
    EXPECT_EQ(colour[1], 0.0f);
    EXPECT_EQ(colour[2], 0.0f);
    EXPECT_EQ(width, 1.0f);
    EXPECT_EQ(modelviewDepth(), 1);
}

// One level, steps 15 (25 samples, the ring closes on itself) and 7 (52, open at 357): teal
// quads, red zigzags equator-rim-equator, spikes at the multiples of 60, and the second half
// of the level drawn exactly over the first.
TEST(KitRingTower, StripsSampleEveryStepUpTo360AndLevelZeroIsDrawnTwice) {
    openTestWindow();
    useIdentityWindowMapping();
    glDisable(GL_CULL_FACE);
    for (const int step : {15, 7}) {
        SCOPED_TRACE(step);
        const int samples = 360 / step + 1;
        EXPECT_EQ(countSubmitted([step] { drawRingTower(90, 70, 40, 60, step, 1); }).vertices,
                  static_cast<std::uint64_t>(2 * 4 * 2 * samples));
        const auto primitives = tower(60, step, 1);
        std::size_t triangles = 0;
        std::set<long> tealSpikes;
        for (const FeedbackPrimitive& p : primitives) {
            if (p.kind != GL_POLYGON_TOKEN) {
                EXPECT_EQ(p.vertices[0].r, 1.0f);
                EXPECT_EQ(p.vertices[0].g, 0.0f);
                continue;
            }
            ++triangles;
            EXPECT_NEAR(p.vertices[0].r, 0.5, 1e-3);
            EXPECT_NEAR(p.vertices[0].g, 0.9, 1e-3);
            for (const FeedbackVertex& v : p.vertices)
                if (radiusOf(v) > 80) {
                    EXPECT_NEAR(radiusOf(v), 90, 1e-2);
                    tealSpikes.insert(std::lround(angleOf(v)) % 360);
                }
        }
        EXPECT_EQ(triangles, static_cast<std::size_t>(4 * (samples - 1) * 2)); // 2 per quad
        const std::set<long> sixSpikes{0, 60, 120, 180, 240, 300}, oneSpike{0};
        EXPECT_EQ(tealSpikes, step == 15 ? sixSpikes : oneSpike);

        const auto runs = lineRuns(primitives); // two outlines, then the same two again
        ASSERT_EQ(runs.size(), 4u);
        for (std::size_t r = 0; r < runs.size(); ++r) {
            const auto& run = runs[r];
            ASSERT_EQ(run.size(), static_cast<std::size_t>(2 * samples));
            std::vector<long> spikes;
            for (int i = 0; i < samples; ++i) {
                const FeedbackVertex &equator = run[2 * i], &rim = run[2 * i + 1];
                EXPECT_NEAR(equator.y, 0, 1e-3);
                EXPECT_NEAR(rim.y, r % 2 == 0 ? -40 : 40, 1e-3);
                EXPECT_NEAR(radiusOf(rim), 70, 1e-2);
                EXPECT_NEAR(angleOf(rim), (i * step) % 360, 0.01);
                EXPECT_NEAR(angleOf(equator), (i * step) % 360, 0.01);
                if (radiusOf(equator) > 80) {
                    EXPECT_NEAR(radiusOf(equator), 91, 1e-2); // over the teal spike
                    spikes.push_back(i * step);
                }
            }
            // With a step of 7 the next multiple of 60 sampled would be 420, past the ring.
            const std::vector<long> sixties{0, 60, 120, 180, 240, 300, 360}, zero{0};
            EXPECT_EQ(spikes, step == 15 ? sixties : zero);
            for (std::size_t k = 0; k < run.size(); ++k) {
                EXPECT_EQ(run[k].x, runs[r % 2][k].x);
                EXPECT_EQ(run[k].y, runs[r % 2][k].y);
                EXPECT_EQ(run[k].z, runs[r % 2][k].z);
            }
        }
    }
    // A modulus no other sample is a multiple of leaves the single spike at 0.
    int spikes = 0;
    const auto lone = lineRuns(tower(400, 15, 1))[0];
    for (std::size_t i = 0; i < lone.size(); i += 2)
        spikes += radiusOf(lone[i]) > 80;
    EXPECT_EQ(spikes, 1);
}

// Seen from +z with back faces culled: the lower band keeps its near, outer side and the
// upper band only the inside of its far side. Spikes as short as the band keep every quad
// flat, so no spike pokes past the silhouette to turn a far triangle round.
TEST(KitRingTower, LowerBandsShowTheirOutsideUpperBandsTheirInside) {
    openTestWindow();
    useIdentityWindowMapping();
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    int lower = 0, upper = 0;
    for (const FeedbackPrimitive& p : tower(60, 15, 2, 70)) {
        if (p.kind != GL_POLYGON_TOKEN) continue;
        double y = 0, z = 0;
        for (const FeedbackVertex& v : p.vertices) {
            y += v.y;
            z += v.z;
        }
        const bool belowItsEquator = std::fmod(y / p.vertices.size() + 1000, 80) < 40;
        if (belowItsEquator)
            ++lower;
        else
            ++upper;
        EXPECT_EQ(z > 0, belowItsEquator) << "mean height " << y / p.vertices.size();
    }
    // Two levels draw four bands; half of each band's 48 triangles survive.
    EXPECT_EQ(lower, 4 * 24);
    EXPECT_EQ(upper, 4 * 24);
}

// Zero or negative levels draw nothing, and so do the spike moduli and steps that cannot be
// sampled; the outer push and pop still happen (on a full stack the push overflows), and
// the colour and line width stay as they were.
TEST(KitRingTower, DrawsNothingForNoLevelsOrAnUnusableStep) {
    openTestWindow();
    glMatrixMode(GL_MODELVIEW);
    GLint maximum = 0;
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &maximum);
    struct Case {
        int spikeEvery, step, levels;
    };
    for (const Case c : {Case{60, 15, 0}, Case{60, 15, -3}, Case{0, 15, 2}, Case{-60, 15, 2},
                         Case{60, 0, 2}, Case{60, -15, 2}}) {
        SCOPED_TRACE(::testing::Message() << c.spikeEvery << " " << c.step << " " << c.levels);
        const auto draw = [c] { drawRingTower(90, 70, 40, c.spikeEvery, c.step, c.levels); };
        glColor3f(0, 1, 0);
        glLineWidth(2);
        EXPECT_EQ(countSubmitted(draw).vertices, 0u);
        GLfloat colour[4], width = 0;
        glGetFloatv(GL_CURRENT_COLOR, colour);
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(colour[1], 1.0f);
        EXPECT_EQ(width, 2.0f);
        EXPECT_EQ(modelviewDepth(), 1);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

        while (modelviewDepth() < maximum)
            glPushMatrix();
        draw();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_STACK_OVERFLOW));
        while (modelviewDepth() > 1)
            glPopMatrix();
    }
}
