// The golden moments drawn by the Windows build under Wine equal the Linux build's, within
// each moment's own tolerance and budget (tests/golden/frames.txt). Both are the stepped
// show full screen on a 320x240 screen (the golden frames' size and shape), held at the
// moment after the same clock steps, so both drew the same frames before it.
#include "golden_list.h"
#include "held_screen.h"
#include "image_compare.h"
#include "wine_runs.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

// One step for every moment: a moment's picture depends on the frames before it, which
// must be the same in both builds, and coarse steps reach every moment in a few hundred.
static constexpr int stepMs = 400;
// A channel's mean over the picture may move this much (as the golden frames allow).
static constexpr double meanShiftBudget = 4;
static constexpr double regionMeanShiftBudget = 1.5;

static std::vector<GoldenFrame> goldenFrames() {
    std::ifstream in(std::string(QUORRIN_GOLDEN_DIR) + "/frames.txt");
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<GoldenFrame> frames;
    parseGoldenList(text.str(), frames);
    return frames;
}

static RgbImage cropped(const RgbImage& image, const RegionCheck& region) {
    return cropped(image, region.x, region.y, region.width, region.height);
}

// A moment by its time, in the tests' names and messages.
void PrintTo(const GoldenFrame& frame, std::ostream* out) {
    *out << frame.ms << " ms";
}

class GoldenMoment : public testing::TestWithParam<GoldenFrame> {};

TEST_P(GoldenMoment, TheWindowsBuildDrawsWhatTheLinuxBuildDraws) {
    const GoldenFrame& frame = GetParam();
    ASSERT_TRUE(prepareWinePrefix());
    const std::string clock = std::to_string(stepMs) + ":" + std::to_string(frame.ms);
    const char* geometry = "320x240x24";
    const RgbImage onLinux = heldScreen({QUORRIN_STEPPED_EXE, clock}, geometry, false);
    ASSERT_EQ(onLinux.width, goldenWidth) << "the Linux build's screen never settled";
    const RgbImage onWindows = heldScreen(
        wineCommand(QUORRIN_WINDOWS_DATA_DIR "/quorrin-stepped.exe", {clock}), geometry, true);
    ASSERT_EQ(onWindows.width, goldenWidth) << "the Windows build's screen never settled";

    const ImageDifference difference = compareImages(onLinux, onWindows, frame.tolerance);
    std::printf("%u ms: %.3f %% unmatched (budget %.2f %%), mean shift %.2f\n", frame.ms,
                difference.unmatched * 100, frame.budgetPercent, difference.meanShift);
    EXPECT_LE(difference.unmatched * 100, frame.budgetPercent) << frame.why;
    EXPECT_LE(difference.meanShift, meanShiftBudget) << frame.why;
    if (frame.region) {
        const RegionCheck& region = *frame.region;
        const ImageDifference inRegion =
            compareImages(cropped(onLinux, region), cropped(onWindows, region), region.tolerance);
        EXPECT_LE(inRegion.unmatched * 100, region.budgetPercent) << frame.why;
        EXPECT_LE(inRegion.meanShift, regionMeanShiftBudget) << frame.why;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, GoldenMoment, testing::ValuesIn(goldenFrames()),
                         [](const testing::TestParamInfo<GoldenFrame>& moment) {
                             char name[16];
                             std::snprintf(name, sizeof name, "ms%05u", moment.param.ms);
                             return std::string(name);
                         });
