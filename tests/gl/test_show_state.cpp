// The show's lasting state carried forward without drawing: frame by frame it must equal
// what drawing the same frames leaves, a reset must equal a fresh start, and a frame drawn
// after a jump must be the frame a run from the start draws there.
#include "draw/random.h"
#include "draw/sprite_fields.h"
#include "gl_test_support.h"
#include "scenes/frame_carry.h"
#include "scenes/scene2.h"
#include "scenes/scene3.h"
#include "scenes/scene4.h"
#include "show/frame_grid.h"
#include "show/show_state.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every variable that carries over from one frame to the next.
struct ShowState {
    std::uint32_t random;
    float fieldX[spriteTableSize], fieldY[spriteTableSize], fieldFilled;
    float swirlX[spriteTableSize], swirlY[spriteTableSize], swirlFilled;
    float boxesX[boxCount], boxesY[boxCount], boxesZ[boxCount];
    unsigned char boxesFilled;
    float eyeX, centerX, eyeY, centerY, eyeZ;
    unsigned cameraLatches;
    float spinAngle, spinTime, spinBoost;
    bool spinLatched;
    float beats[beatCount];
    bool beatsFilled;
    float clearGrey;
    bool lightPlaced;
};

ShowState snapshot() {
    ShowState s;
    std::memset(&s, 0, sizeof s); // padding too, so whole states compare with memcmp
    s.random = currentRandomState();
    std::memcpy(s.fieldX, spriteFieldX, sizeof s.fieldX);
    std::memcpy(s.fieldY, spriteFieldY, sizeof s.fieldY);
    std::memcpy(s.swirlX, spriteSwirlX, sizeof s.swirlX);
    std::memcpy(s.swirlY, spriteSwirlY, sizeof s.swirlY);
    s.fieldFilled = spriteFieldFilled;
    s.swirlFilled = spriteSwirlFilled;
    std::memcpy(s.boxesX, boxX, sizeof s.boxesX);
    std::memcpy(s.boxesY, boxY, sizeof s.boxesY);
    std::memcpy(s.boxesZ, boxZ, sizeof s.boxesZ);
    s.boxesFilled = boxTableFilled;
    s.eyeX = camEyeX, s.centerX = camCenterX, s.eyeY = camEyeY, s.centerY = camCenterY;
    s.eyeZ = camEyeZ;
    s.cameraLatches = cameraLatchFlags;
    s.spinAngle = towerSpinAngle, s.spinTime = lastSpinTime, s.spinBoost = towerSpinBoost;
    s.spinLatched = lastSpinTimeLatched;
    std::memcpy(s.beats, beatTimes, sizeof s.beats);
    s.beatsFilled = beatTimesFilled;
    s.clearGrey = carriedClearGrey;
    s.lightPlaced = carriedLightPlaced;
    return s;
}

bool same(const ShowState& a, const ShowState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// What GL holds for the next frame, against what the carried values say it holds.
std::string carriedGlFaults() {
    GLfloat clear[4], light[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    glGetLightfv(GL_LIGHT0, GL_POSITION, light); // in eye space
    const GLfloat* want = carriedLightPlaced ? secondLightPos : nullptr;
    const GLfloat defaultPos[4] = {0, 0, 1, 0};
    if (want == nullptr) want = defaultPos;
    std::string faults;
    for (int i = 0; i < 3; ++i)
        if (clear[i] != carriedClearGrey) faults += " clear colour";
    for (int i = 0; i < 4; ++i)
        if (light[i] != want[i]) faults += " light 0";
    return faults;
}

std::vector<std::uint32_t> framesOfAWholeRun(std::uint32_t fps) {
    std::vector<std::uint32_t> times;
    for (std::uint32_t k = 0; frameTimeMs(k, fps) < 80000; ++k)
        times.push_back(frameTimeMs(k, fps));
    return times;
}

void expectAdvancingEqualsDrawing(std::uint32_t fps) {
    startShowForTest(32, 24);
    const ShowState atStart = snapshot();
    const std::vector<std::uint32_t> times = framesOfAWholeRun(fps);

    std::vector<ShowState> drawn;
    drawn.reserve(times.size());
    ::testing::internal::CaptureStdout();
    std::string glFaults;
    for (const std::uint32_t ms : times) {
        drawShowFrameAt(ms);
        drawn.push_back(snapshot());
        if (glFaults.empty() && !carriedGlFaults().empty())
            glFaults = carriedGlFaults() + " after " + std::to_string(ms) + " ms";
    }
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(glFaults, "");

    resetShowState();
    ASSERT_TRUE(same(snapshot(), atStart)) << "a reset differs from the start";
    std::size_t firstDifference = times.size();
    for (std::size_t k = 0; k < times.size() && firstDifference == times.size(); ++k) {
        advanceShowFrame(times[k]);
        if (!same(snapshot(), drawn[k])) firstDifference = k;
    }
    EXPECT_EQ(firstDifference, times.size())
        << "first differs at " << times[std::min(firstDifference, times.size() - 1)] << " ms";
    // The run went everywhere: both tables, the box field, the camera, the tower, scene 4.
    EXPECT_TRUE(drawn.back().swirlFilled == 1 && drawn.back().fieldFilled == 1);
    EXPECT_TRUE(drawn.back().boxesFilled && drawn.back().beatsFilled && drawn.back().lightPlaced);
    EXPECT_NE(drawn.back().spinAngle, 0.0f);
    // Carried in two pieces, split anywhere, the state is the whole run's.
    for (const std::uint32_t split : {1u, 16600u, 40001u}) {
        carryShowTo(split, fps);
        carryShowBetween(split, 80000, fps);
        EXPECT_TRUE(same(snapshot(), drawn.back())) << "split at " << split << " ms";
    }
}

} // namespace

TEST(ShowState, AdvancingEqualsDrawingFrameByFrameAt60Fps) {
    expectAdvancingEqualsDrawing(60);
}

TEST(ShowState, AdvancingEqualsDrawingFrameByFrameAt37Fps) {
    expectAdvancingEqualsDrawing(37);
}

TEST(ShowState, AJumpBackFromScene5DrawsScene1AsTheRunFromTheStartDid) {
    startShowForTest(160, 120);
    ::testing::internal::CaptureStdout();
    constexpr std::uint32_t moment = 15000;
    for (std::uint32_t k = 0; frameTimeMs(k, 60) < moment; ++k)
        drawShowFrameAt(frameTimeMs(k, 60));
    drawShowFrameAt(moment);
    const std::vector<std::uint8_t> fromStart = readFramebuffer();

    // Forward through a drawn frame of scene 4, which moves light 0 in GL itself, into
    // scene 5 with its grey clear colour.
    for (const std::uint32_t later : {60000u, 72000u}) {
        carryShowTo(later, 60);
        drawShowFrameAt(later);
    }
    const std::vector<std::uint8_t> inScene5 = readFramebuffer();

    carryShowTo(moment, 60);
    drawShowFrameAt(moment);
    ::testing::internal::GetCapturedStdout();
    EXPECT_NE(inScene5, fromStart);
    EXPECT_TRUE(readFramebuffer() == fromStart);
}
