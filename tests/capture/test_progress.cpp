// Progress text: rates, time left, the bar and the tenth-of-the-work lines.
#include "programs/capture/progress.h"

#include <gtest/gtest.h>

TEST(Progress, RateAndTimeLeft) {
    EXPECT_DOUBLE_EQ(progressRate({120, 480, 2.0}), 60.0);
    EXPECT_DOUBLE_EQ(progressSecondsLeft({120, 480, 2.0}), 6.0);
    EXPECT_EQ(progressRate({0, 480, 0.0}), 0.0);
    EXPECT_LT(progressSecondsLeft({0, 480, 1.0}), 0.0); // unknown until a frame is done
    EXPECT_EQ(progressSecondsLeft({480, 480, 9.0}), 0.0);
}

TEST(Progress, Durations) {
    EXPECT_EQ(formatDuration(0), "0:00");
    EXPECT_EQ(formatDuration(0.2), "0:01"); // never "0:00" while work is left
    EXPECT_EQ(formatDuration(59), "0:59");
    EXPECT_EQ(formatDuration(65), "1:05");
    EXPECT_EQ(formatDuration(3599.5), "1:00:00");
    EXPECT_EQ(formatDuration(3723), "1:02:03");
    EXPECT_EQ(formatDuration(-1), "--:--");
}

TEST(Progress, BarShowsFramesRateAndTimeLeft) {
    EXPECT_EQ(formatProgressBar({2400, 4800, 60.0}, 10),
              "[#####.....]  50%  2400/4800 frames  40.0 fps  1:00 left");
    EXPECT_EQ(formatProgressBar({0, 4800, 0.0}, 4),
              "[....]   0%  0/4800 frames  0.0 fps  --:-- left");
    EXPECT_EQ(formatProgressBar({4800, 4800, 120.0}, 4),
              "[####] 100%  4800/4800 frames  40.0 fps  0:00 left");
    // Just short of the end the bar is not yet full.
    EXPECT_EQ(formatProgressBar({4799, 4800, 120.0}, 4).substr(0, 11), "[###.]  99%");
}

TEST(Progress, LineForLogs) {
    EXPECT_EQ(formatProgressLine({480, 4800, 12.0}), "10% (480/4800 frames, 40.0 fps, 1:48 left)");
}

TEST(Progress, OneLineAtEveryTenth) {
    EXPECT_EQ(tenthReached(0, 47, 480), 0);
    EXPECT_EQ(tenthReached(47, 48, 480), 1);
    EXPECT_EQ(tenthReached(48, 49, 480), 0);
    EXPECT_EQ(tenthReached(100, 300, 480), 6); // several crossed: one line, the latest
    EXPECT_EQ(tenthReached(479, 480, 480), 10);
    EXPECT_EQ(tenthReached(0, 1, 1), 10);
    EXPECT_EQ(tenthReached(0, 0, 0), 0);
    // Over a whole run exactly ten lines come out, whatever the total.
    for (std::uint32_t total : {1u, 7u, 10u, 13u, 4800u}) {
        int lines = 0;
        for (std::uint32_t done = 1; done <= total; ++done)
            lines += tenthReached(done - 1, done, total) != 0;
        EXPECT_EQ(lines, total >= 10 ? 10 : static_cast<int>(total)) << total;
    }
}
