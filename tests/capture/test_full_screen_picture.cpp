// The show full screen on screens whose mode cannot be switched (private virtual X servers):
// a 16:9 screen shows, byte for byte, the picture a 4:3 screen of the same height shows of
// the same moment, between black bars 240 columns wide; and that picture is the one a
// 1440x1080 capture draws, but for the few pixels whose blends a window's surface rounds
// apart from a framebuffer's (within the browser frames' tolerance: 8 levels, 0.1 %).
#include "capture_test_support.h"
#include "image_compare.h"
#include "virtual_screen.h"

#include <algorithm>
#include <csignal>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>

static double secondsNow() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

static RgbImage asImage(const ScreenPixels& screen) {
    return {screen.width, screen.height, screen.rgb};
}

struct HeldMoment {
    int stepMs;              // the stepped show's clock step
    int holdMs;              // where its clock stops; the show redraws this moment until ended
    std::size_t linesBefore; // progress lines printed before the held moment is drawn
    const char* why;
};

// What a frame shows may depend on the frames before it: a held moment is redrawn after
// itself, where the capture draws it after the frame before on its grid (5 fps: every
// 200 ms, which both steps land on). These two moments depend on nothing earlier. Scene 1
// clears black on every frame, and its one table is filled on its first frame whenever
// that is. Scene 4 keeps nothing from frame to frame but its clear colour, the same for
// every scene-4 frame: once the held moment follows itself it is drawn as the capture draws
// it after 61800 ms. One coarse step reaches it quickly; its last progress line (scene 3,
// 49600 ms) comes just before it.
static const HeldMoment heldMoments[] = {
    {400, 2000, 4, "scene 1: the sculpture under its first caption"},
    {12400, 62000, 4, "scene 4 under the white veil, cleared dark grey"},
};

// The screen once the show is past the lines it prints before the held moment and accept
// takes what it shows (a minute is only a guard: frames take a moment to reach the screen),
// or the last screen seen. The show is then ended with SIGTERM, and its status and standard
// error are checked.
static RgbImage heldScreen(const char* geometry, const HeldMoment& moment,
                           const std::function<bool(const RgbImage&)>& accept) {
    const std::string folder = freshFolder("full-screen-screen");
    VirtualScreen screen = startVirtualScreen(geometry, folder);
    EXPECT_FALSE(screen.display.empty()) << "no virtual X server";
    ProcessOptions options;
    options.env = {"DISPLAY=" + screen.display};
    RgbImage shown;
    double heldSince = -1;
    options.whileRunning = [&](int pid, const std::string& out) {
        const auto printed = static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n'));
        if (printed < moment.linesBefore) return false;
        if (heldSince < 0) heldSince = secondsNow();
        shown = asImage(readScreenFile(folder));
        if (!accept(shown) && secondsNow() - heldSince < 60) return false;
        kill(pid, SIGTERM);
        return true;
    };
    // No argument: the 1024x768 game mode, refused by the virtual server, so the show plays
    // in a full-screen window at the screen's own size.
    const std::string clock = std::to_string(moment.stepMs) + ":" + std::to_string(moment.holdMs);
    const ProcessResult run = runProcess({QUORRIN_STEPPED_EXE, clock}, options);
    stopVirtualScreen(screen);
    EXPECT_EQ(run.exitCode, 0) << moment.why << "\n" << run.err;
    EXPECT_EQ(run.err, "") << moment.why;
    return shown;
}

TEST(FullScreenPicture, AWideScreenShowsTheFourByThreeScreensPictureBetweenBlackBars) {
    for (const HeldMoment& moment : heldMoments) {
        const std::string stills = freshFolder("full-screen-still");
        const ProcessResult capture =
            runCapture({"--png", stills, "--still", std::to_string(moment.holdMs), "--size",
                        "1440x1080", "--fps", "5"});
        ASSERT_EQ(capture.exitCode, 0) << capture.err;
        char name[32];
        std::snprintf(name, sizeof name, "/still-%05d.png", moment.holdMs);
        const RgbImage captured = loadPng(stills + name);

        // Close to the capture: the held moment has reached the 4:3 screen.
        ImageDifference fromCapture{1, 255};
        const RgbImage square = heldScreen("1440x1080x24", moment, [&](const RgbImage& shown) {
            if (shown.width != 1440 || shown.height != 1080) return false;
            fromCapture = compareImages(captured, shown, 8);
            return fromCapture.unmatched <= 0.001 && fromCapture.meanShift <= 1;
        });
        EXPECT_LE(fromCapture.unmatched, 0.001) << moment.why;
        EXPECT_LE(fromCapture.meanShift, 1) << moment.why;
        std::string faults = "the held moment was never reached";
        heldScreen("1920x1080x24", moment, [&](const RgbImage& shown) {
            faults = shown.width == 1920 && shown.height == 1080
                         ? pictureBetweenBarsFaults(shown, square, {240, 0, 1440, 1080})
                         : "the screen file could not be read";
            return faults.empty();
        });
        EXPECT_EQ(faults, "") << moment.why;
    }
}
