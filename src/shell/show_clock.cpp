#include "shell/show_clock.h"

#include "platform/clock.h"
#include "shell/scene_table.h"

double demoStartMs;
unsigned demoFlags;

static std::uint32_t demoStartReading;
static bool paused;
static double pausedShowMs;
static double lastReadShowMs; // the show time the clock gave at its latest reading

static void latchStart() {
    if ((demoFlags & demoStartLatched) != 0) return;
    demoFlags |= demoStartLatched;
    demoStartReading = readClockMs();
    demoStartMs = demoStartReading;
}

double showTimeNow() {
    if (paused) return pausedShowMs;
    latchStart();
    lastReadShowMs = elapsedBetween(demoStartReading, readClockMs());
    return lastReadShowMs;
}

double showTimeAtLastReading() {
    return paused ? pausedShowMs : lastReadShowMs;
}

void setShowTime(std::uint32_t showMs) {
    if (paused) {
        pausedShowMs = showMs;
        return;
    }
    // Unsigned arithmetic: the origin may lie before the counter's last wrap.
    demoStartReading = readClockMs() - showMs;
    lastReadShowMs = showMs;
    demoStartMs = demoStartReading;
    demoFlags |= demoStartLatched;
}

void pauseShowTime() {
    if (paused) return;
    pausedShowMs = showTimeNow();
    paused = true;
}

void resumeShowTime() {
    if (!paused) return;
    paused = false;
    setShowTime(static_cast<std::uint32_t>(pausedShowMs));
}

bool showTimePaused() {
    return paused;
}
