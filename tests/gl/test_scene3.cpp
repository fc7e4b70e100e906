// Scene 3: the beat table, the tower's frame-to-frame spin, the greeting cards and the white
// flash, seen through the scene's statics, feedback mode and read-back pixels.
#include "gl_test_support.h"
#include "scenes/scene3.h"
#include "scenes/scenes.h"
#include "show/scene_table.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

// 460 x 400 pixels: the greeting frame's units are pixels, origin at (230, 200).
constexpr int frameWidth = 460, frameHeight = 400;

static float sceneTimeAtMs(double elapsedMs) {
    return static_cast<float>(sceneProgress(3, elapsedMs));
}

// One frame as display() brackets it, at an exact float progress.
static void drawFrame(float sceneTime) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    stepScene3(sceneTime);
    drawScene3(sceneTime);
}

// The spin bookkeeping of one frame without drawing it.
static void spinFrame(float sceneTime) {
    stepScene3(sceneTime);
}

// The greeting cards a frame sent: axis-aligned 140 x 140 squares, named by their centre.
// Feedback splits each card into two triangles along a diagonal; each spans the whole card.
static std::set<int> cardsDrawn(float sceneTime, float* brightness = nullptr) {
    const auto primitives = captureFeedback(GL_3D_COLOR, [sceneTime] { drawFrame(sceneTime); });
    std::set<int> cards;
    for (const FeedbackPrimitive& p : primitives) {
        if (p.kind != GL_POLYGON_TOKEN) continue;
        float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
        for (const FeedbackVertex& v : p.vertices) {
            left = std::min(left, v.x), right = std::max(right, v.x);
            bottom = std::min(bottom, v.y), top = std::max(top, v.y);
        }
        if (std::abs(right - left - 140) > 0.01f || std::abs(top - bottom - 140) > 0.01f) continue;
        const float x = (left + right) / 2 - 230, y = (bottom + top) / 2 - 200;
        for (int i = 0; i < greetingCardCount; ++i) {
            if (std::abs(greetingCards[i].x - x) > 0.01f ||
                std::abs(greetingCards[i].y - y) > 0.01f)
                continue;
            // Cards 0 and 11 share a place but never a moment.
            cards.insert(i == 0 && sceneTime > 0.5f ? 11 : i);
            if (brightness) *brightness = p.vertices[0].r;
            break;
        }
    }
    return cards;
}

TEST(Scene3Beats, FifteenBeatsSummedInDoubleAndRoundedOnceOnTheFirstFrame) {
    EXPECT_FALSE(beatTimesFilled);
    EXPECT_EQ(beatTimes[14], 0.0f);
    startShowForTest(frameWidth, frameHeight);
    drawFrame(0.3f);
    ASSERT_TRUE(beatTimesFilled);

    const double table[beatCount] = {0,     0.105, 0.119, 0.248, 0.353, 0.367, 0.48, 0.495,
                                     0.601, 0.615, 0.744, 0.849, 0.88,  0.90,  0.92};
    for (int k = 0; k < beatCount; ++k)
        EXPECT_NEAR(beatTimes[k], table[k], 6e-8) << k;
    // The double sums carry the float constants' own errors: beats 8 and 9 land on the floats
    // nearest the decimals (a float sum would fall one step short), 5 and 7 one step below
    // them and 11 one step above.
    EXPECT_EQ(beatTimes[8], 0.601f);
    EXPECT_EQ(beatTimes[9], 0.615f);
    EXPECT_NE(beatTimes[8], 0.48f + 0.105f + 0.016f);
    EXPECT_EQ(beatTimes[5], std::nextafter(0.367f, 0.0f));
    EXPECT_EQ(beatTimes[7], std::nextafter(0.495f, 0.0f));
    EXPECT_EQ(beatTimes[11], std::nextafter(0.849f, 1.0f));

    // Short windows for the quick pair 6-7 and the flashes; no window reaches the next beat.
    for (int k = 0; k < beatCount; ++k) {
        const bool quick = k == 6 || k == 7 || k >= 12;
        EXPECT_EQ(beatWindowLength(k), quick ? 0.007f : 0.01f) << k;
        if (k + 1 < beatCount) {
            EXPECT_LT(beatTimes[k] + beatWindowLength(k), beatTimes[k + 1]);
        }
    }

    // Filled once: a later frame leaves the table alone.
    beatTimes[3] = 0.25f;
    drawFrame(0.31f);
    EXPECT_EQ(beatTimes[3], 0.25f);
}

TEST(Scene3TowerSpin, ASteadyHighFrameRateEndsTheSceneNear278Degrees) {
    // One frame per millisecond through the whole scene, times as the shell computes them.
    for (int ms = 33300; ms < 50200; ++ms)
        spinFrame(sceneTimeAtMs(ms));
    // 72 over the scene, 1440 over ten windows of 0.01 and two of 0.007, 2000 over three
    // of 0.007: within about one frame of boost per window.
    EXPECT_NEAR(towerSpinAngle, 72 * 0.99994 + 1440 * 0.114 + 2000 * 0.021, 1.0);
}

TEST(Scene3TowerSpin, AFrameStepOverAWindowGivesThatBeatNoBoost) {
    spinFrame(0.100f); // latches; window 1 runs from 0.105 to 0.115
    spinFrame(0.117f); // stepped over it
    EXPECT_EQ(towerSpinBoost, 0.0f);
    EXPECT_NEAR(towerSpinAngle, 72 * 0.017, 1e-4);
    spinFrame(0.118f);
    EXPECT_NEAR(towerSpinAngle, 72 * 0.018, 1e-4);

    // The same stretch with one frame inside the window boosts the interval after it.
    lastSpinTimeLatched = false;
    towerSpinAngle = 0;
    spinFrame(0.100f);
    spinFrame(0.110f);
    EXPECT_EQ(towerSpinBoost, cardBeatBoost);
    spinFrame(0.118f);
    EXPECT_NEAR(towerSpinAngle, 72 * 0.010 + 1512 * 0.008, 1e-3);
}

TEST(Scene3TowerSpin, SteppingOverAFlashWindowNeitherFlashesNorBoosts) {
    startShowForTest(frameWidth, frameHeight);
    drawFrame(0.879f);
    drawFrame(0.888f); // window 12 is 0.88 to 0.887
    EXPECT_EQ(towerSpinBoost, 0.0f);
    const Rgb corner = readPixel(frameWidth - 2, frameHeight - 2);
    EXPECT_LT(corner.r + corner.g + corner.b, 3 * 255);
}

TEST(Scene3TowerSpin, TheBoostChosenInsideAWindowActsFromTheNextFrame) {
    startShowForTest(frameWidth, frameHeight);
    drawFrame(0.350f); // first frame: latched, angle 0
    EXPECT_EQ(towerSpinAngle, 0.0f);
    EXPECT_EQ(lastSpinTime, 0.350f);
    EXPECT_EQ(towerSpinBoost, 0.0f);

    drawFrame(0.355f); // inside window 4 (0.353 to 0.363): still the base speed
    EXPECT_NEAR(towerSpinAngle, 72 * 0.005, 1e-5);
    EXPECT_EQ(towerSpinBoost, cardBeatBoost);

    float before = towerSpinAngle;
    drawFrame(0.365f); // past the window: this interval carries the boost, the next not
    EXPECT_NEAR(towerSpinAngle - before, 1512 * 0.010, 1e-3);
    EXPECT_EQ(towerSpinBoost, 0.0f);
    before = towerSpinAngle;
    drawFrame(0.375f);
    EXPECT_NEAR(towerSpinAngle - before, 72 * 0.010, 1e-4);

    // A flash window chooses the larger boost.
    drawFrame(0.903f);
    EXPECT_EQ(towerSpinBoost, flashBeatBoost);
    before = towerSpinAngle;
    drawFrame(0.910f);
    EXPECT_NEAR(towerSpinAngle - before, 2072 * 0.007, 1e-3);
}

TEST(Scene3TowerSpin, TheFirstFrameStandsAtZeroWhateverItsTime) {
    startShowForTest(frameWidth, frameHeight);
    EXPECT_FALSE(lastSpinTimeLatched);
    drawFrame(0.5f); // inside window 7
    EXPECT_TRUE(lastSpinTimeLatched);
    EXPECT_EQ(towerSpinAngle, 0.0f);
    EXPECT_EQ(lastSpinTime, 0.5f);
    EXPECT_EQ(towerSpinBoost, cardBeatBoost);
}

TEST(Scene3Cards, NothingStartsExactlyAtZeroOrAtABeatAndEverythingStartsJustAfter) {
    startShowForTest(frameWidth, frameHeight);
    EXPECT_TRUE(cardsDrawn(0.0f).empty());
    EXPECT_EQ(towerSpinBoost, 0.0f);
    for (int k = 0; k < beatCount; ++k) {
        const float beat = beatTimes[k];
        const std::set<int> atBeat = cardsDrawn(beat);
        EXPECT_EQ(atBeat.count(k), 0u) << k;
        EXPECT_EQ(towerSpinBoost, 0.0f) << k;

        float brightness = 0;
        const std::set<int> after = cardsDrawn(std::nextafter(beat, 1.0f), &brightness);
        EXPECT_EQ(towerSpinBoost, k < 12 ? cardBeatBoost : flashBeatBoost) << k;
        if (k < greetingCardCount) {
            EXPECT_EQ(after.count(k), 1u) << k;
            EXPECT_EQ(after.size(), atBeat.size() + 1) << k;
            EXPECT_NEAR(brightness, 1.0f, 1e-5) << k; // the newest card is drawn last
        } else {
            EXPECT_EQ(after, atBeat) << k;
        }
    }
    // A card's span is open at its end too.
    for (int i = 0; i < greetingCardCount; ++i) {
        const float end = beatTimes[i] + greetingCardSpan;
        EXPECT_EQ(cardsDrawn(end).count(i), 0u) << i;
        EXPECT_EQ(cardsDrawn(std::nextafter(end, 0.0f)).count(i), 1u) << i;
    }
}

TEST(Scene3Cards, FourCardsAtOnceOnlyWhileTwoPairsOverlap) {
    float beats[beatCount];
    computeBeatTimes(beats);
    // Every 1/100000 of the scene, away from the interval ends.
    for (int step = 0; step < 100000; ++step) {
        const float t = static_cast<float>(step * 1e-5);
        const bool first = t > 0.495f && t<0.503f, second = t> 0.615f && t < 0.630f;
        const bool nearEnd = std::abs(t - 0.495f) < 2e-7f || std::abs(t - 0.503f) < 2e-7f ||
                             std::abs(t - 0.615f) < 2e-7f || std::abs(t - 0.630f) < 2e-7f;
        if (nearEnd) continue;
        int shown = 0;
        for (int i = 0; i < greetingCardCount; ++i)
            shown += greetingCardShown(beats, i, t);
        if (first || second)
            ASSERT_EQ(shown, 4) << t;
        else
            ASSERT_LE(shown, 3) << t;
    }

    startShowForTest(frameWidth, frameHeight);
    EXPECT_EQ(cardsDrawn(0.499f), (std::set<int>{4, 5, 6, 7}));
    EXPECT_EQ(cardsDrawn(0.620f), (std::set<int>{6, 7, 8, 9}));
    EXPECT_EQ(cardsDrawn(0.506f), (std::set<int>{5, 6, 7}));
    EXPECT_EQ(cardsDrawn(0.900f), (std::set<int>{11}));
}

TEST(Scene3Flash, AFlashFrameIsWhiteSaveTheOverlayAndTheNextIsClearedBlack) {
    startShowForTest(frameWidth, frameHeight);
    drawShowFrameAt(48100);
    drawShowFrameAt(48230); // 0.8834, inside window 12
    ASSERT_EQ(towerSpinBoost, flashBeatBoost);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(clear[0] + clear[1] + clear[2], 0.0f);
    EXPECT_EQ(clear[3], 1.0f);

    // Everything after the clear adds onto white, so it stays white; only the overlay's wire
    // cubes, drawn without blending, show. They sit in the lower left, inside 100 x 100.
    const std::vector<std::uint8_t> flash = readFramebuffer();
    int overlayMarks = 0, elsewhere = 0;
    for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < frameWidth; ++x) {
            const std::uint8_t* p = &flash[(static_cast<std::size_t>(y) * frameWidth + x) * 3];
            const bool white = p[0] == 255 && p[1] == 255 && p[2] == 255;
            if (x < 100 && y < 100)
                overlayMarks += !white;
            else
                elsewhere += !white;
        }
    EXPECT_EQ(elsewhere, 0);
    EXPECT_GT(overlayMarks, 50);

    drawShowFrameAt(48400); // 0.8935, between windows 12 and 13
    EXPECT_EQ(towerSpinBoost, 0.0f);
    const std::vector<std::uint8_t> next = readFramebuffer();
    int white = 0;
    for (std::size_t i = 0; i < next.size(); i += 3)
        white += next[i] == 255 && next[i + 1] == 255 && next[i + 2] == 255;
    EXPECT_LT(white, frameWidth * frameHeight / 20);
}

TEST(Scene3Frames, EveryFrameOfASteadyRunLeavesTheRestingStateAndTheTowerNear278) {
    startShowForTest(frameWidth, frameHeight);
    GLdouble projection[16], after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    for (std::uint32_t ms = 33300; ms < 50200; ms += 6) {
        drawShowFrameAt(ms);
        ASSERT_EQ(restingStateFaults(), "") << ms;
        GLfloat clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        ASSERT_EQ(clear[0] + clear[1] + clear[2], 0.0f) << ms;
    }
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(after[i], projection[i]);
    EXPECT_NEAR(towerSpinAngle, 278.16, 3.0);
}
