// The list of golden frames is read strictly: a line the test cannot read fails it instead of
// quietly dropping or half-reading a moment.
#include "golden_list.h"

#include <gtest/gtest.h>

TEST(GoldenList, GoodLinesAreReadWithTheirRegionChecks) {
    std::vector<GoldenFrame> frames;
    ASSERT_EQ(parseGoldenList("# a comment\n"
                              "\n"
                              "0      40  0.3   -                   the first frame\n"
                              "36000  40  0.9   168,0,138,240:10:9  the tower and two cards\n",
                              frames),
              "");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].ms, 0u);
    EXPECT_FALSE(frames[0].region);
    EXPECT_EQ(frames[0].why, "the first frame");
    EXPECT_EQ(frames[1].ms, 36000u);
    EXPECT_EQ(frames[1].tolerance, 40);
    EXPECT_DOUBLE_EQ(frames[1].budgetPercent, 0.9);
    ASSERT_TRUE(frames[1].region);
    EXPECT_EQ(frames[1].region->x, 168);
    EXPECT_EQ(frames[1].region->width, 138);
    EXPECT_EQ(frames[1].region->height, 240);
    EXPECT_EQ(frames[1].region->tolerance, 10);
    EXPECT_DOUBLE_EQ(frames[1].region->budgetPercent, 9);
    EXPECT_EQ(goldenStillName(36000), "still-36000.png");
}

TEST(GoldenList, EveryMalformedLineFailsWithItsNumber) {
    const char* const malformed[] = {
        "12x00 40 0.3 - a moment that is not a number",
        "80000 40 0.3 - after the show",
        "1000 forty 0.3 - a tolerance in words",
        "1000 40 0.3% - a budget with its sign",
        "1000 40 101 - more than everything",
        "1000 40 0.3 the description where the region should be",
        "1000 40 0.3 0,0,321,240:10:9 a region wider than the picture",
        "1000 40 0.3 0,0,10,10:10 a region without its budget",
        "1000 40 0.3 -",
        "1000 40",
        "1000 40 0.3 - once\n1000 40 0.3 - twice",
    };
    for (const std::string line : malformed) {
        std::vector<GoldenFrame> frames;
        const std::string error = parseGoldenList("# header\n" + line + "\n", frames);
        // The second line is the bad one, or the third where a moment comes twice.
        const bool twice = line.find('\n') != std::string::npos;
        EXPECT_EQ(error.rfind(twice ? "line 3: " : "line 2: ", 0), 0u) << line << " -> " << error;
    }
    std::vector<GoldenFrame> frames;
    EXPECT_NE(parseGoldenList("# only comments\n", frames), "");
}
