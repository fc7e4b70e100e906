// The benchmark's statistics and its table.
#include "show/bench_report.h"
#include "show/frame_stats.h"

#include <gtest/gtest.h>

TEST(FrameStats, PercentilesInterpolateBetweenRanks) {
    EXPECT_DOUBLE_EQ(percentile({5, 1, 3}, 50), 3);
    EXPECT_DOUBLE_EQ(percentile({4, 1, 3, 2}, 50), 2.5);
    std::vector<double> hundredAndOne;
    for (int i = 100; i >= 0; --i)
        hundredAndOne.push_back(i);
    EXPECT_DOUBLE_EQ(percentile(hundredAndOne, 95), 95);
    EXPECT_DOUBLE_EQ(percentile({10, 20}, 95), 19.5);
    EXPECT_DOUBLE_EQ(percentile({7}, 95), 7);
    EXPECT_DOUBLE_EQ(percentile({1, 2, 3}, 0), 1);
    EXPECT_DOUBLE_EQ(percentile({1, 2, 3}, 100), 3);
    EXPECT_EQ(percentile({}, 50), 0);
}

TEST(FrameStats, FramesPerSecondOverTheTotalTime) {
    EXPECT_DOUBLE_EQ(framesPerSecond({10, 10, 20, 40}), 50.0); // 4 frames in 80 ms
    EXPECT_EQ(framesPerSecond({}), 0);
}

TEST(BenchReport, OneRowPerSceneWithFramesAndAllTogether) {
    const std::string table = formatBenchTable({{10, 20, 30}, {}, {5}, {}, {}});
    EXPECT_EQ(table, "scene   frames  median ms     p95 ms       fps\n"
                     "1            3      20.00      29.00      50.0\n"
                     "3            1       5.00       5.00     200.0\n"
                     "all          4      15.00      28.50      61.5\n");
}
