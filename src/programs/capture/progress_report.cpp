#include "programs/capture/progress_report.h"

#include "programs/capture/progress.h"

#include <chrono>
#include <cstdio>
#include <unistd.h>

using ProgressClock = std::chrono::steady_clock;

static ProgressClock::time_point startTime;
static ProgressClock::time_point lastDrawn;
static std::uint32_t totalFrames;
static std::uint32_t lastDone;
static bool onTerminal;
static bool barShown;

static constexpr int barWidth = 30;

void startProgress(std::uint32_t total) {
    startTime = ProgressClock::now();
    lastDrawn = startTime;
    totalFrames = total;
    lastDone = 0;
    onTerminal = isatty(STDERR_FILENO) != 0;
    barShown = false;
}

double progressSeconds() {
    return std::chrono::duration<double>(ProgressClock::now() - startTime).count();
}

void reportProgress(std::uint32_t done) {
    const Progress progress{done, totalFrames, progressSeconds()};
    if (onTerminal) {
        // A few redraws a second are enough to watch and cost nothing against a frame.
        const auto now = ProgressClock::now();
        if (done < totalFrames && now - lastDrawn < std::chrono::milliseconds(200)) return;
        lastDrawn = now;
        std::fprintf(stderr, "\r%s\x1b[K", formatProgressBar(progress, barWidth).c_str());
        barShown = true;
    } else if (tenthReached(lastDone, done, totalFrames) != 0) {
        std::fprintf(stderr, "quorrin-capture: %s\n", formatProgressLine(progress).c_str());
    }
    std::fflush(stderr);
    lastDone = done;
}

void endProgress() {
    if (barShown) std::fputc('\n', stderr);
    barShown = false;
}
