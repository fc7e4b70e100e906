#include "held_screen.h"

#include "wine_runs.h"

#include <csignal>
#include <filesystem>

// Frames come back to back while the show steps: a second and a half without a change is
// the held moment, also on a busy machine.
static constexpr double settledSeconds = 1.5;

RgbImage heldScreen(const std::vector<std::string>& command, const char* geometry, bool underWine) {
    const std::string folder = freshFolder("screen");
    VirtualScreen screen = startVirtualScreen(geometry, folder);
    if (screen.display.empty()) return {};
    ProcessOptions options;
    if (underWine)
        options = wineOptions(screen);
    else
        options.env = {"DISPLAY=" + screen.display};
    options.timeoutSeconds = 120;
    RgbImage shown, held;
    double changedAt = 0;
    options.whileRunning = [&](int pid, const std::string& out) {
        if (out.empty()) return false; // the screen is black while the program starts
        RgbImage now = screenPicture(folder);
        if (now.pixels != shown.pixels) {
            shown = std::move(now);
            changedAt = secondsNow();
            return false;
        }
        if (secondsNow() - changedAt < settledSeconds) return false;
        held = shown;
        kill(pid, SIGTERM);
        return true;
    };
    if (underWine)
        runUnderWine(command, options);
    else
        runProcess(command, options);
    stopVirtualScreen(screen);
    std::filesystem::remove_all(folder);
    return held;
}
