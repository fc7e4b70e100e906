// The viewer's keys on the real program: Space pauses and resumes, the arrows and page keys
// jump, and the music follows. Keys go through a private X server to the show's window; the
// stepped clock makes every frame's show time known.
#include "process_runner.h"
#include "show_runs.h"
#include "track_audio.h"
#include "virtual_screen.h"

#include <SDL.h>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

double secondsNow() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::size_t lineCount(const std::string& out) {
    return static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n'));
}

// The show's window is the only one on the server.
bool pressKey(const std::string& display, const std::string& key) {
    const std::string press = "DISPLAY=" + display +
                              " xdotool search --name '^quorrin$' windowfocus --sync key " + key +
                              " >/dev/null 2>&1";
    return std::system(press.c_str()) == 0;
}

// CPU time the process has used, in clock ticks (user and system).
long cpuTicks(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t end = text.rfind(')'); // the name may hold spaces
    if (end == std::string::npos) return -1;
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

std::string lastLine(const std::string& out) {
    const std::vector<std::string> lines = splitLines(out);
    return lines.empty() ? std::string() : lines.back();
}

} // namespace

TEST(ViewerControls, PauseStopsFramesAndSleepsResumeGoesOnFromThePausedMomentAndASignalEndsIt) {
    VirtualScreen screen = startVirtualScreen();
    ASSERT_FALSE(screen.display.empty()) << "no virtual X server";
    ProcessOptions options;
    options.env = {"DISPLAY=" + screen.display};
    options.timeoutSeconds = 300; // a paused show that missed the signal would wait for ever
    int stage = 0;
    double since = 0;
    std::size_t linesWhenPaused = 0, linesAfterPause = 0;
    long ticksWhenPaused = 0, ticksAfterPause = 0;
    bool keysDelivered = true;
    options.whileRunning = [&](int pid, const std::string& out) {
        const double now = secondsNow();
        switch (stage) {
        case 0: // running: pause it
            if (lineCount(out) < 40) return false;
            keysDelivered &= pressKey(screen.display, "space");
            since = now, stage = 1;
            return false;
        case 1: // let the key take effect, then watch for a while
            if (now - since < 0.5) return false;
            linesWhenPaused = lineCount(out), ticksWhenPaused = cpuTicks(pid);
            since = now, stage = 2;
            return false;
        case 2:
            if (now - since < 1.5) return false;
            linesAfterPause = lineCount(out), ticksAfterPause = cpuTicks(pid);
            keysDelivered &= pressKey(screen.display, "space");
            stage = 3;
            return false;
        case 3: // running again: enough lines to see where it went on, then pause again
            if (lineCount(out) < linesAfterPause + 20) return false;
            keysDelivered &= pressKey(screen.display, "space");
            since = now, stage = 4;
            return false;
        default: // a signal ends a paused show too, with its music open
            if (now - since < 0.3) return false;
            kill(pid, SIGTERM);
            return true;
        }
    };
    const std::string audio =
        ::testing::TempDir() + "quorrin-pause-" + std::to_string(getpid()) + ".raw";
    options.env.push_back("SDL_AUDIODRIVER=disk");
    options.env.push_back("SDL_DISKAUDIOFILE=" + audio);
    const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, "20", "-w"}, options);
    stopVirtualScreen(screen);
    EXPECT_GT(fs::exists(audio) ? fs::file_size(audio) : 0, 0u) << "no music played";
    fs::remove(audio);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.signal, 0);
    ASSERT_TRUE(keysDelivered);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(linesAfterPause, linesWhenPaused) << "frames were drawn while paused";
    // 1.5 s paused: a few timer wake-ups, no frames; a busy loop would use all of it.
    EXPECT_LT(ticksAfterPause - ticksWhenPaused, 20) << "the paused process did not sleep";

    // Each reading of the stepped clock moves it 20 ms; the pause and the resume each take a
    // reading or two, so the show goes on within a few steps of where it stopped.
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_GT(lines.size(), linesWhenPaused + 10);
    const double before = std::atof(lines[linesWhenPaused - 1].c_str());
    const double after = std::atof(lines[linesWhenPaused].c_str());
    EXPECT_GT(after, before);
    EXPECT_LE((after - before) * 16600, 5 * 20 + 0.5);
}

TEST(ViewerControls, JumpsLandOnTheirMomentsWithTheMusicFromThere) {
    VirtualScreen screen = startVirtualScreen();
    ASSERT_FALSE(screen.display.empty()) << "no virtual X server";
    const std::string audio =
        ::testing::TempDir() + "quorrin-jumps-" + std::to_string(getpid()) + ".raw";
    ProcessOptions options;
    options.env = {"DISPLAY=" + screen.display, "SDL_AUDIODRIVER=disk",
                   "SDL_DISKAUDIOFILE=" + audio};
    // The clock stands at 3000 ms in scene 1; each key moves the show, which then draws the
    // new moment over and over. The last one goes past the end.
    struct Step {
        const char* key;
        const char* line; // the progress the show then prints
    };
    const Step steps[] = {
        {"Right", "0.481928"}, // 3000 + 5000 = 8000 ms, scene 1
        {"Next", "0.000000"},  // Page Down: scene 2's start, 16600 ms
        {"Right", "0.299401"}, // 21600 ms
        {"Next", "0.000000"},  // scene 3's start, 33300 ms
        {"Left", "0.700599"},  // 28300 ms, scene 2
        {"Prior", "0.000000"}, // Page Up: the start of scene 2 again
        {"Home", "0.000000"},  // the show's start
        {"Next", "0.000000"},  // 16600
        {"Next", "0.000000"},  // 33300
        {"Next", nullptr},     // 50200: scene 4 prints nothing
        {"Next", "0.000000"},  // 64200
        {"Next", nullptr},     // 80000: the end, as the show's own
    };
    std::size_t next = 0, linesAtKey = 0;
    double keyTime = 0;
    bool keysDelivered = true;
    std::vector<std::string> seen;
    options.whileRunning = [&](int, const std::string& out) {
        // The held frame must have shown, or (scene 4) some quiet time passed, before the
        // next key.
        const std::size_t lines = lineCount(out);
        if (next == 0
                ? lines < 5
                : (steps[next - 1].line ? lines < linesAtKey + 5 : secondsNow() - keyTime < 0.5))
            return false;
        if (next > 0 && steps[next - 1].line) seen.push_back(lastLine(out));
        keysDelivered &= pressKey(screen.display, steps[next].key);
        // Lines already printed before the key took effect are not the new moment's.
        linesAtKey = lines + 3;
        keyTime = secondsNow();
        return ++next == std::size(steps);
    };
    const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, "500:3000", "-w"}, options);
    stopVirtualScreen(screen);
    ASSERT_TRUE(keysDelivered);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> expected;
    for (const Step& step : steps)
        if (step.line) expected.push_back(step.line);
    EXPECT_EQ(seen, expected);

    // What the sound card got: after each jump, the soundtrack from that moment's sample,
    // played for as long as the show stayed there.
    const std::vector<char> track = trackSamples();
    ASSERT_FALSE(track.empty());
    const std::vector<char> written = readBytes(audio);
    fs::remove(audio);
    std::size_t searchFrom = 0;
    for (const std::uint32_t ms : {8000u, 16600u, 21600u, 33300u, 28300u}) {
        const std::size_t found = findTrackMoment(written, track, ms, searchFrom);
        EXPECT_NE(found, std::string::npos) << "the track from " << ms << " ms never played";
        if (found != std::string::npos) searchFrom = found + 4096;
    }
}

// The screen once the stepped show holds its moment (printing heldLine) and has drawn it a
// while; keys, each with the progress line it must bring, are pressed first, one by one,
// from the moment the clock holds (printing startLine).
static ScreenPixels heldScreen(const std::string& clock, const char* startLine,
                               const std::vector<std::pair<const char*, const char*>>& keys,
                               const char* heldLine) {
    const std::string folder =
        ::testing::TempDir() + "quorrin-screen-" + std::to_string(getpid()) + "-" + clock;
    fs::create_directories(folder);
    VirtualScreen screen = startVirtualScreen("1280x1024x24", folder);
    ScreenPixels shown;
    if (screen.display.empty()) return shown;
    ProcessOptions options;
    options.env = {"DISPLAY=" + screen.display};
    std::size_t next = 0;
    double heldSince = -1;
    options.whileRunning = [&](int pid, const std::string& out) {
        const char* want = next == 0 ? startLine : keys[next - 1].second;
        if (lastLine(out) != want) return false;
        if (next < keys.size()) {
            pressKey(screen.display, keys[next++].first);
            return false;
        }
        if (lastLine(out) != heldLine) return false;
        if (heldSince < 0) heldSince = secondsNow();
        if (secondsNow() - heldSince < 1) return false; // the frames reach the screen
        shown = readScreenFile(folder);
        kill(pid, SIGTERM);
        return true;
    };
    const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, clock, "-w"}, options);
    stopVirtualScreen(screen);
    fs::remove_all(folder);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return shown;
}

TEST(ViewerControls, AJumpBackFromScene3RedrawsScene1AsAFreshRunDoes) {
    // Held at 40 000 ms in scene 3, five steps back land at 15 000 ms in scene 1; a fresh
    // run holds that moment itself. Both windows stand at the same place on their screens.
    const ScreenPixels jumped = heldScreen("500:40000", "0.396450",
                                           {{"Left", "0.100592"},
                                            {"Left", "0.802395"},
                                            {"Left", "0.502994"},
                                            {"Left", "0.203593"},
                                            {"Left", "0.903614"}},
                                           "0.903614");
    const ScreenPixels fresh = heldScreen("500:15000", "0.903614", {}, "0.903614");
    ASSERT_EQ(jumped.width, 1280);
    ASSERT_EQ(fresh.width, 1280);
    EXPECT_TRUE(std::any_of(fresh.rgb.begin(), fresh.rgb.end(), [](std::uint8_t c) { return c; }));
    EXPECT_TRUE(jumped.rgb == fresh.rgb) << "the jumped-to frame differs from a fresh run's";
}
