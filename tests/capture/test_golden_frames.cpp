// Golden frames: moments over all five scenes, drawn at 320x240 by the tool and compared with
// the reference pictures in tests/golden, each with its own colour tolerance and budget of
// unmatched pixels (see image_compare.h), and where thin lines are a layer of their own, a
// tighter look at their region. The budgets forgive another Mesa's rounding and edge
// placement; a layer that is missing, moved or of the wrong colour goes far beyond.
#include "capture_test_support.h"
#include "golden_list.h"
#include "image_compare.h"
#include "programs/capture/png_file.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

// A cast over the whole picture: the largest shift of a channel's mean.
static constexpr double meanShiftBudget = 4;
// The same within a thin-line region, where a few lines of another colour move the means:
// softpipe moves them by at most 0.6 in scene 3's tower, outlines a fifth greener by 2.8.
static constexpr double regionMeanShiftBudget = 1.5;

static std::string goldenPath(const std::string& name) {
    return std::string(QUORRIN_GOLDEN_DIR) + "/" + name;
}

static std::string listText() {
    std::ifstream in(goldenPath("frames.txt"));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

static RgbImage cropped(const RgbImage& image, const RegionCheck& region) {
    return cropped(image, region.x, region.y, region.width, region.height);
}

TEST(GoldenFrames, TheListAndTheReferencePicturesAgree) {
    std::vector<GoldenFrame> frames;
    ASSERT_EQ(parseGoldenList(listText(), frames), "");
    std::set<std::string> listed{"frames.txt"};
    for (const GoldenFrame& frame : frames) {
        const std::string name = goldenStillName(frame.ms);
        listed.insert(name);
        RgbImage reference;
        EXPECT_EQ(readPng(goldenPath(name), reference), "") << "listed but not there: " << name;
        EXPECT_EQ(reference.width, goldenWidth) << name;
        EXPECT_EQ(reference.height, goldenHeight) << name;
    }
    listed.insert(fillReferenceFolder);
    for (const std::string& name : folderEntries(QUORRIN_GOLDEN_DIR))
        EXPECT_TRUE(listed.count(name)) << name << " is in tests/golden but not in frames.txt";
    // The stretched references have a folder and a list of their own.
    std::vector<std::string> fillNames;
    for (const unsigned ms : fillReferenceMs)
        fillNames.push_back(goldenStillName(ms));
    EXPECT_EQ(folderEntries(goldenPath(fillReferenceFolder)), fillNames);
}

TEST(GoldenFrames, EveryReferenceMomentMatchesWithinItsBudget) {
    std::vector<GoldenFrame> frames;
    ASSERT_EQ(parseGoldenList(listText(), frames), "");
    std::string stills;
    for (const GoldenFrame& frame : frames)
        stills += (stills.empty() ? "" : ",") + std::to_string(frame.ms);
    const std::string folder = freshFolder("golden");
    const ProcessResult result = runCapture(
        {"--png", folder, "--size",
         std::to_string(goldenWidth) + "x" + std::to_string(goldenHeight), "--still", stills});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    for (const GoldenFrame& frame : frames) {
        const std::string name = goldenStillName(frame.ms);
        const RgbImage reference = loadPng(goldenPath(name));
        const RgbImage drawn = loadPng(folder + "/" + name);
        const ImageDifference difference = compareImages(reference, drawn, frame.tolerance);
        EXPECT_LE(difference.unmatched * 100, frame.budgetPercent)
            << name << " (" << frame.why << "): " << difference.unmatched * 100
            << "% of the pixels unmatched; the new picture is in " << folder;
        EXPECT_LE(difference.meanShift, meanShiftBudget)
            << name << " (" << frame.why << "): colours shifted by " << difference.meanShift;
        const auto fullSize = [](const RgbImage& image) {
            return image.width == goldenWidth && image.height == goldenHeight;
        };
        if (!frame.region || !fullSize(reference) || !fullSize(drawn)) continue;
        const RegionCheck& region = *frame.region;
        const ImageDifference inRegion =
            compareImages(cropped(reference, region), cropped(drawn, region), region.tolerance);
        EXPECT_LE(inRegion.unmatched * 100, region.budgetPercent)
            << name << " (" << frame.why << "): " << inRegion.unmatched * 100
            << "% of the thin-line region's pixels unmatched at tolerance " << region.tolerance
            << "; the new picture is in " << folder;
        EXPECT_LE(inRegion.meanShift, regionMeanShiftBudget)
            << name << " (" << frame.why << "): colours in the thin-line region shifted by "
            << inRegion.meanShift;
    }
}
