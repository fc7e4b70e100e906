// Golden frames: about twenty moments over all five scenes, drawn at 320x240 by the tool
// and compared with the reference pictures in tests/golden, each with its own colour
// tolerance and budget of unmatched pixels (see image_compare.h). The budgets forgive another
// Mesa's rounding and edge placement; a layer that is missing, moved or of the wrong colour goes
// far beyond.
#include "capture_test_support.h"
#include "image_compare.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

// A cast over the whole picture: the largest shift of a channel's mean.
static constexpr double meanShiftBudget = 4;

struct GoldenFrame {
    unsigned ms;
    int tolerance;        // a channel difference up to this is the same colour
    double budgetPercent; // the share of pixels that may go unmatched
    std::string why;
};

// tests/golden/frames.txt: "MS TOLERANCE BUDGET% WHY..." per line; '#' starts a comment.
static std::vector<GoldenFrame> goldenFrames() {
    std::ifstream in(std::string(QUORRIN_GOLDEN_DIR) + "/frames.txt");
    std::vector<GoldenFrame> frames;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        GoldenFrame frame;
        fields >> frame.ms >> frame.tolerance >> frame.budgetPercent;
        std::getline(fields >> std::ws, frame.why);
        frames.push_back(frame);
    }
    return frames;
}

static std::string stillName(unsigned ms) {
    char name[32];
    std::snprintf(name, sizeof name, "still-%05u.png", ms);
    return name;
}

TEST(GoldenFrames, EveryReferenceMomentMatchesWithinItsBudget) {
    const std::vector<GoldenFrame> frames = goldenFrames();
    ASSERT_GE(frames.size(), 18u);
    std::string stills;
    for (const GoldenFrame& frame : frames)
        stills += (stills.empty() ? "" : ",") + std::to_string(frame.ms);
    const std::string folder = freshFolder("golden");
    const ProcessResult result =
        runCapture({"--png", folder, "--size", "320x240", "--still", stills});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    for (const GoldenFrame& frame : frames) {
        const std::string name = stillName(frame.ms);
        const RgbImage reference = loadPng(std::string(QUORRIN_GOLDEN_DIR) + "/" + name);
        const RgbImage drawn = loadPng(folder + "/" + name);
        const ImageDifference difference = compareImages(reference, drawn, frame.tolerance);
        EXPECT_LE(difference.unmatched * 100, frame.budgetPercent)
            << name << " (" << frame.why << "): " << difference.unmatched * 100
            << "% of the pixels unmatched; the new picture is in " << folder;
        EXPECT_LE(difference.meanShift, meanShiftBudget)
            << name << " (" << frame.why << "): colours shifted by " << difference.meanShift;
    }
}
