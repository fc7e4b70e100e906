// The first argument's table and where the window goes.
#include "programs/quorrin/display_mode.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

static DisplayChoice choose(std::vector<std::string> args) {
    args.insert(args.begin(), "quorrin");
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    return chooseDisplay(static_cast<int>(args.size()), argv.data());
}

TEST(DisplayChoice, FirstArgumentTable) {
    EXPECT_EQ(choose({}), DisplayChoice::gameMode1024);
    EXPECT_EQ(choose({"window"}), DisplayChoice::gameMode1024);
    EXPECT_EQ(choose({"-"}), DisplayChoice::gameMode1024);
    EXPECT_EQ(choose({"-V"}), DisplayChoice::gameMode1024);
    EXPECT_EQ(choose({"-W"}), DisplayChoice::gameMode1024);
    EXPECT_EQ(choose({"-x"}), DisplayChoice::gameMode1024);
    EXPECT_EQ(choose({""}), DisplayChoice::gameMode1024);
    EXPECT_EQ(choose({"-v"}), DisplayChoice::gameMode640);
    EXPECT_EQ(choose({"-video"}), DisplayChoice::gameMode640);
    EXPECT_EQ(choose({"-w"}), DisplayChoice::window800);
    EXPECT_EQ(choose({"-windowed", "-v"}), DisplayChoice::window800);
    EXPECT_EQ(choose({"v", "-w"}), DisplayChoice::gameMode1024);
}

TEST(WindowPlace, KeptWhereTheWholeWindowFits) {
    const WindowPlace wide = placeWindow(2048, 1024);
    EXPECT_EQ(wide.x, 1124);
    EXPECT_EQ(wide.y, 100);
    const WindowPlace exact = placeWindow(1924, 700);
    EXPECT_EQ(exact.x, 1124);
    EXPECT_EQ(exact.y, 100);
}

TEST(WindowPlace, MovedJustEnoughOntoASmallScreen) {
    const WindowPlace laptop = placeWindow(1024, 768);
    EXPECT_EQ(laptop.x, 224);
    EXPECT_EQ(laptop.y, 100);
    const WindowPlace low = placeWindow(1920, 650);
    EXPECT_EQ(low.x, 1120);
    EXPECT_EQ(low.y, 50);
    const WindowPlace tiny = placeWindow(640, 480);
    EXPECT_EQ(tiny.x, 0);
    EXPECT_EQ(tiny.y, 0);
}
