// Where the viewer's jump keys land, from moments across the show: every row of the table the
// browser's keys are also checked against.
#include "viewer/viewer_jumps.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

TEST(ViewerJumps, EveryKeyLandsWhereTheTableSays) {
    const std::map<std::string, ViewerJump> keys = {
        {"Left", ViewerJump::back5s},       {"Right", ViewerJump::forward5s},
        {"PageUp", ViewerJump::sceneStart}, {"PageDown", ViewerJump::nextScene},
        {"Home", ViewerJump::toStart},
    };
    std::ifstream table(QUORRIN_SOURCE_DIR "/tests/support/jump_cases.txt");
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string key;
        double fromMs = 0;
        std::uint32_t landsMs = 0;
        ASSERT_TRUE(fields >> key >> fromMs >> landsMs) << line;
        ASSERT_EQ(keys.count(key), 1u) << line;
        EXPECT_EQ(jumpTarget(keys.at(key), fromMs), landsMs) << line;
        ++rows;
    }
    EXPECT_EQ(rows, 14);
}
