// The whole program, run as a person runs it: its progress lines, messages and exit status.
#include "process_runner.h"
#include "show_runs.h"
#include "track_audio.h"
#include "virtual_screen.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

static void expectSameProgress(const std::vector<std::string>& got,
                               const std::vector<std::string>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_NEAR(std::atof(got[i].c_str()), std::atof(want[i].c_str()), 1.5e-6) << i;
}

TEST(ShowRun, SteppedWindowRunsEveryScenePrintsAllButFourAndExitsZero) {
    // Every 100 ms of show time through all five scenes; in the sanitizer build this is the
    // whole show under AddressSanitizer and UndefinedBehaviorSanitizer.
    const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, "100", "-w"});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    expectSameProgress(splitLines(run.out), expectedProgressLines(100));
}

TEST(ShowRun, GameModesFallBackToAFullScreenWindowWhereTheModeCannotChange) {
    // Full-screen frames are large: a coarse step keeps the runs short.
    for (const char* arg : {"-v", "--", "x"}) {
        const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, "2000", arg});
        EXPECT_FALSE(run.timedOut) << arg;
        EXPECT_EQ(run.exitCode, 0) << arg << "\n" << run.err;
        EXPECT_EQ(run.err, "") << arg; // the refused mode switch is not an error to report
        EXPECT_EQ(splitLines(run.out).size(), expectedProgressLines(2000).size()) << arg;
    }
    const ProcessResult bare = runProcess({QUORRIN_STEPPED_EXE, "2000"});
    EXPECT_EQ(bare.exitCode, 0) << bare.err;
}

TEST(ShowRun, WindowOnASmallScreenIsMovedOntoItAndTheShowRuns) {
    // A 1024-wide screen would leave the window at x 1124 wholly off it, never drawn.
    const ProcessResult run = runProcess({"/usr/bin/xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
                                          QUORRIN_STEPPED_EXE, "200", "-w"},
                                         {.timeoutSeconds = 900});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(splitLines(run.out).size(), expectedProgressLines(200).size());
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
    EXPECT_EQ(splitLines(run.out).size(), expectedProgressLines(200).size());
}

TEST(ShowRun, WithoutTheMusicFileTheShowRunsSilentlyAndSaysNothing) {
    const fs::path folder = fs::path(::testing::TempDir()) / "quorrin-no-music";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::create_directory_symlink(dataPath("image"), folder / "image");
    const ProcessResult run =
        runProcess({QUORRIN_STEPPED_SDL_EXE, "200", "-w"}, {.workingDirectory = folder.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(splitLines(run.out).size(), expectedProgressLines(200).size());
}

TEST(ShowRun, WithoutASoundCardStandardErrorStaysClean) {
    // Whatever audio back end SDL finds here (none on a server), nothing may reach stderr.
    const ProcessResult run =
        runProcess({QUORRIN_STEPPED_SDL_EXE, "100", "-w"}, {.unsetEnv = {"SDL_AUDIODRIVER"}});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
}

// Seconds of sound written between the track's moments fromMs and toMs; -1 when either
// never played.
static double writtenSecondsBetween(const std::string& audio, std::uint32_t fromMs,
                                    std::uint32_t toMs) {
    const std::vector<char> written = readBytes(audio), track = trackSamples();
    const std::size_t from = findTrackMoment(written, track, fromMs);
    const std::size_t to =
        findTrackMoment(written, track, toMs, from == std::string::npos ? 0 : from);
    if (from == std::string::npos || to == std::string::npos) return -1;
    return static_cast<double>(to - from) / trackBytesPerSecond;
}

TEST(ShowRun, TheRealShowPlaysEightySecondsOfWallClockEvenAcrossAStall) {
    // Stopped for five seconds twenty seconds in, the show resumes where the wall clock
    // stands (skipping what it missed) and still ends eighty seconds after it started.
    // On a screen of its own: another test's window covering this one stops its frames
    // (GLUT draws nothing for a window no one can see), and with them the show's end.
    VirtualScreen screen = startVirtualScreen();
    ASSERT_FALSE(screen.display.empty()) << "no virtual X server";
    const std::string audio =
        ::testing::TempDir() + "quorrin-stall-" + std::to_string(getpid()) + ".raw";
    ProcessOptions options;
    options.env = {"DISPLAY=" + screen.display, "SDL_AUDIODRIVER=disk",
                   "SDL_DISKAUDIOFILE=" + audio};
    options.timeoutSeconds = 300;
    options.signalToSend = SIGSTOP;
    options.signalAfterSeconds = 20;
    options.stallSeconds = 5;
    const ProcessResult run = runProcess({QUORRIN_SHOW_EXE, "-w"}, options);
    stopVirtualScreen(screen);
    // The music went on from where the picture did: the sound card (SDL's disk driver, which
    // writes in real time and stood still with the process) got the track at 30 s only 7 s
    // of sound after the track at 18 s, the 5 s of the stall skipped like the picture's.
    const double secondsBetween = writtenSecondsBetween(audio, 18000, 30000);
    fs::remove(audio);
    EXPECT_NEAR(secondsBetween, 7.0, 0.6);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_GT(run.seconds, 79.0);
    EXPECT_LT(run.seconds, 84.0); // start-up plus 80 s of show, not 85
    const auto lines = splitLines(run.out);
    ASSERT_GT(lines.size(), 100u);
    // The progress climbs within a scene and falls back to 0 at each scene change; scene 4
    // prints nothing, so exactly three falls are seen, and the last line is near 1.
    int falls = 0;
    double previous = -1, largestJump = 0;
    for (const auto& line : lines) {
        const double value = std::atof(line.c_str());
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        if (value < previous)
            ++falls;
        else if (previous >= 0)
            largestJump = std::max(largestJump, value - previous);
        previous = value;
    }
    EXPECT_EQ(falls, 3);
    EXPECT_GT(previous, 0.95);
    EXPECT_LT(std::atof(lines.front().c_str()), 0.01);
    // Five seconds of scene 2 are about 0.3 of its progress, skipped in one frame.
    EXPECT_GT(largestJump, 0.25);
}

TEST(ShowRun, AHiddenWindowStillEndsAtEightySecondsWithItsMusic) {
    // Unmapped a few seconds in, as a window manager minimises a window: GLUT draws nothing
    // from then on, yet the show must end on time and close its music.
    VirtualScreen screen = startVirtualScreen();
    ASSERT_FALSE(screen.display.empty()) << "no virtual X server";
    const std::string audio =
        ::testing::TempDir() + "quorrin-hidden-" + std::to_string(getpid()) + ".raw";
    ProcessOptions options;
    options.env = {"DISPLAY=" + screen.display, "SDL_AUDIODRIVER=disk",
                   "SDL_DISKAUDIOFILE=" + audio};
    options.timeoutSeconds = 300;
    double firstFrame = -1, hiddenAt = -1;
    const auto started = std::chrono::steady_clock::now();
    options.whileRunning = [&](int, const std::string& out) {
        const double now =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (firstFrame < 0 && !out.empty()) firstFrame = now;
        if (firstFrame < 0 || now - firstFrame < 3) return false;
        const std::string unmap = "DISPLAY=" + screen.display +
                                  " xdotool search --name '^quorrin$' windowunmap >/dev/null 2>&1";
        hiddenAt = std::system(unmap.c_str()) == 0 ? now : -2;
        return true;
    };
    const ProcessResult run = runProcess({QUORRIN_SHOW_EXE, "-w"}, options);
    stopVirtualScreen(screen);
    ASSERT_GT(hiddenAt, 0) << "the window could not be unmapped";
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    // The first frame is seen within one poll of its line; the end within a second of 80 s.
    EXPECT_NEAR(run.seconds - firstFrame, 80.0, 1.0);
    // The last line was drawn before the window went; nothing is drawn after it.
    EXPECT_LT(std::atof(splitLines(run.out).back().c_str()) * 16600,
              (hiddenAt - firstFrame + 1) * 1000);
    // The disk driver writes in real time while the device is open: the music played on
    // to the end. 44.1 kHz, 16-bit stereo.
    const double musicSeconds = (fs::exists(audio) ? fs::file_size(audio) : 0) / (44100.0 * 4);
    fs::remove(audio);
    EXPECT_GT(musicSeconds, 75.0);
}

TEST(ShowRun, ALostReaderOfTheProgressLinesDoesNotStopTheShow) {
    // As in `quorrin -w | head -1`: the pipe breaks after the first line.
    ProcessOptions options;
    options.dropStdoutAfterFirstLine = true;
    const ProcessResult piped = runProcess({QUORRIN_STEPPED_EXE, "250", "-w"}, options);
    EXPECT_EQ(piped.signal, 0);
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.err, "");
    // Started with standard output closed, the progress lines go nowhere, not into a file
    // or the X connection.
    ProcessOptions closed;
    closed.closeStdout = true;
    const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, "250", "-w"}, closed);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
}

TEST(ShowRun, WithoutADisplayOneLineSaysSoAndTheStatusIsNonZero) {
    for (const char* exe : {QUORRIN_SHOW_EXE, QUORRIN_STEPPED_EXE}) {
        std::vector<std::string> args = {exe};
        if (std::string(exe) == QUORRIN_STEPPED_EXE) args.push_back("40");
        args.push_back("-w");
        ProcessOptions options;
        options.unsetEnv = {"DISPLAY", "WAYLAND_DISPLAY"};
        const ProcessResult run = runProcess(args, options);
        EXPECT_EQ(run.signal, 0) << exe;
        EXPECT_NE(run.exitCode, 0) << exe;
        const auto lines = splitLines(run.err);
        ASSERT_EQ(lines.size(), 1u) << run.err;
        EXPECT_NE(lines[0].find("display"), std::string::npos) << lines[0];
        EXPECT_EQ(run.out, "");
    }
}
