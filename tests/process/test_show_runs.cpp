// The whole program, run as a person runs it: its progress lines, messages and exit status.
#include "process_runner.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// The scene a progress line came from cannot be read off the line; the show's clock can.
static int sceneOf(double ms) {
    return ms < 16600 ? 1 : ms < 33300 ? 2 : ms < 50200 ? 3 : ms < 64200 ? 4 : ms < 80000 ? 5 : 0;
}

// Every frame of a run stepped by stepMs prints (ms - scene start) / scene length, except in
// scene 4; frame k is drawn at k * stepMs (the first frame reads the clock twice).
static std::vector<std::string> expectedLines(int stepMs) {
    const double starts[] = {0, 16600, 33300, 50200, 64200, 80000};
    std::vector<std::string> lines;
    for (int ms = stepMs; ms < 80000; ms += stepMs) {
        const int scene = sceneOf(ms);
        if (scene == 4) continue;
        char line[32];
        std::snprintf(line, sizeof line, "%f",
                      (ms - starts[scene - 1]) / (starts[scene] - starts[scene - 1]));
        lines.push_back(line);
    }
    return lines;
}

static void expectSameProgress(const std::vector<std::string>& got,
                               const std::vector<std::string>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_NEAR(std::atof(got[i].c_str()), std::atof(want[i].c_str()), 1.5e-6) << i;
}

static std::string dataPath(const char* name) { return std::string(QUORRIN_DATA_DIR "/") + name; }

TEST(ShowRun, SteppedWindowRunsEveryScenePrintsAllButFourAndExitsZero) {
    const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, "40", "-w"});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    expectSameProgress(splitLines(run.out), expectedLines(40));
}

TEST(ShowRun, GameModesFallBackToAFullScreenWindowWhereTheModeCannotChange) {
    for (const char* arg : {"-v", "--", "x"}) {
        const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, "200", arg});
        EXPECT_FALSE(run.timedOut) << arg;
        EXPECT_EQ(run.exitCode, 0) << arg << "\n" << run.err;
        EXPECT_EQ(splitLines(run.out).size(), expectedLines(200).size()) << arg;
    }
    const ProcessResult bare = runProcess({QUORRIN_STEPPED_EXE, "200"});
    EXPECT_EQ(bare.exitCode, 0) << bare.err;
}

TEST(ShowRun, WindowOnASmallScreenIsMovedOntoItAndTheShowRuns) {
    // A 1024-wide screen would leave the window at x 1124 wholly off it, never drawn.
    const ProcessResult run =
        runProcess({"/usr/bin/xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
                    QUORRIN_STEPPED_EXE, "200", "-w"},
                   {.timeoutSeconds = 60});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(splitLines(run.out).size(), expectedLines(200).size());
}

TEST(ShowRun, WithoutPicturesStartUpNamesAllTwentyNineAndTheShowStillEnds) {
    const fs::path empty = fs::path(::testing::TempDir()) / "quorrin-no-pictures";
    fs::create_directories(empty);
    const ProcessResult run =
        runProcess({QUORRIN_STEPPED_EXE, "200", "-w"}, {.workingDirectory = empty.string()});
    EXPECT_EQ(run.exitCode, 0);
    const auto messages = splitLines(run.err);
    ASSERT_EQ(messages.size(), 29u) << run.err;
    EXPECT_EQ(messages.front(), "Load Bitmap failed : image/pNoise4.bmp");
    EXPECT_EQ(messages.back(), "Load Bitmap failed : image/summer.bmp");
    EXPECT_EQ(splitLines(run.out).size(), expectedLines(200).size());
}

TEST(ShowRun, WithoutTheMusicFileTheShowRunsSilentlyAndSaysNothing) {
    const fs::path folder = fs::path(::testing::TempDir()) / "quorrin-no-music";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::create_directory_symlink(dataPath("image"), folder / "image");
    const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, "200", "-w"},
                                         {.workingDirectory = folder.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(splitLines(run.out).size(), expectedLines(200).size());
}

TEST(ShowRun, WithoutASoundCardStandardErrorStaysClean) {
    // Whatever audio back end SDL finds here (none on a server), nothing may reach stderr.
    const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, "100", "-w"},
                                         {.unsetEnv = {"SDL_AUDIODRIVER"}});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
}

TEST(ShowRun, TheRealShowPlaysEightySecondsOfWallClockAndExitsZero) {
    const ProcessResult run = runProcess({QUORRIN_SHOW_EXE, "-w"}, {.timeoutSeconds = 150});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const auto lines = splitLines(run.out);
    ASSERT_GT(lines.size(), 100u);
    // The progress climbs within a scene and falls back to 0 at each scene change; scene 4
    // prints nothing, so exactly three falls are seen, and the last line is near 1.
    int falls = 0;
    double previous = -1;
    for (const auto& line : lines) {
        const double value = std::atof(line.c_str());
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        if (value < previous) ++falls;
        previous = value;
    }
    EXPECT_EQ(falls, 3);
    EXPECT_GT(previous, 0.95);
    EXPECT_LT(std::atof(lines.front().c_str()), 0.01);
}
