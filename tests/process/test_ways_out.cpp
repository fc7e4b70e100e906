// Every way out of the show, each taken with the music playing: the end of the show, Esc,
// SIGINT and SIGTERM in every scene. SDL's disk driver stands in for a sound card, so the
// audio thread is really running when the process ends; under the sanitizers any touch of
// memory that exit has freed would be reported on standard error.
#include "process_runner.h"
#include "show_runs.h"
#include "virtual_screen.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

// A moment inside each scene where the clock is held while the way out is taken.
constexpr int holdMs[] = {8000, 25000, 40000, 57000, 72000};
constexpr int stepMs = 500;

static std::string audioFile(const std::string& what) {
    return ::testing::TempDir() + "quorrin-exit-" + what + "-" + std::to_string(getpid()) + ".raw";
}

static ProcessOptions withDiskAudio(const std::string& file) {
    ProcessOptions options;
    options.env = {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + file};
    options.timeoutSeconds = 900;
    return options;
}

// True once the run has reached its held moment: every earlier progress line is out, and
// then (outside the silent scene 4) the held frame has been drawn a few times; in scene 4,
// half a second without output has passed.
static bool reachedHold(const std::string& out, int hold, double& quietSince, double now) {
    const std::size_t before = expectedProgressLines(stepMs, hold).size();
    const std::size_t printed = static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n'));
    if (sceneOfMs(hold) != 4) return printed >= before + 5;
    if (printed < before) return false;
    if (quietSince < 0) quietSince = now;
    return now - quietSince > 0.5;
}

static double secondsNow() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

static void expectCleanExitWithMusic(const ProcessResult& run, const std::string& audio,
                                     const std::string& what) {
    EXPECT_FALSE(run.timedOut) << what;
    EXPECT_EQ(run.signal, 0) << what;
    EXPECT_EQ(run.exitCode, 0) << what;
    EXPECT_EQ(run.err, "") << what;
    EXPECT_GT(fs::exists(audio) ? fs::file_size(audio) : 0, 0u) << what << ": no music played";
    fs::remove(audio);
}

TEST(WaysOut, TheEndOfTheShowWithTheMusicPlaying) {
    const std::string audio = audioFile("end");
    const ProcessResult run =
        runProcess({QUORRIN_STEPPED_SDL_EXE, "250", "-w"}, withDiskAudio(audio));
    EXPECT_EQ(splitLines(run.out).size(), expectedProgressLines(250).size());
    expectCleanExitWithMusic(run, audio, "end of show");
}

TEST(WaysOut, SignalsInEveryScene) {
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        for (int scene = 1; scene <= 5; ++scene) {
            const int hold = holdMs[scene - 1];
            const std::string what =
                std::string(strsignal(sig)) + " in scene " + std::to_string(scene);
            const std::string audio = audioFile("signal");
            ProcessOptions options = withDiskAudio(audio);
            double quietSince = -1;
            options.whileRunning = [&](int pid, const std::string& out) {
                if (!reachedHold(out, hold, quietSince, secondsNow())) return false;
                kill(pid, sig);
                return true;
            };
            const std::string clock = std::to_string(stepMs) + ":" + std::to_string(hold);
            const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, clock, "-w"}, options);
            expectCleanExitWithMusic(run, audio, what);
        }
    }
}

TEST(WaysOut, EscInEveryScene) {
    VirtualScreen screen = startVirtualScreen();
    ASSERT_FALSE(screen.display.empty()) << "no virtual X server";
    for (int scene = 1; scene <= 5; ++scene) {
        const int hold = holdMs[scene - 1];
        const std::string audio = audioFile("esc");
        ProcessOptions options = withDiskAudio(audio);
        options.env.push_back("DISPLAY=" + screen.display);
        double quietSince = -1;
        options.whileRunning = [&](int, const std::string& out) {
            if (!reachedHold(out, hold, quietSince, secondsNow())) return false;
            // The show's window is the only one on this server.
            const std::string press = "DISPLAY=" + screen.display +
                                      " xdotool search --name '^quorrin$' windowfocus --sync"
                                      " key Escape >/dev/null 2>&1";
            return std::system(press.c_str()) == 0;
        };
        const std::string clock = std::to_string(stepMs) + ":" + std::to_string(hold);
        const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, clock, "-w"}, options);
        expectCleanExitWithMusic(run, audio, "Esc in scene " + std::to_string(scene));
    }
    stopVirtualScreen(screen);
}
