#include "show/show_clock.h"

#include "platform/clock.h"
#include "show/scene_table.h"

double demoStartMs;
unsigned demoFlags;

static bool paused;
static double pausedShowMs;
static double lastReadShowMs; // the show time the clock gave at its latest reading

static void latchStart() {
    if ((demoFlags & demoStartLatched) != 0) return;
    demoFlags |= demoStartLatched;
    demoStartMs = readClockMs();
}

// The origin is a reading of the 32-bit counter, held exactly in the double.
static std::uint32_t startReading() {
    return static_cast<std::uint32_t>(demoStartMs);
}

double showTimeNow() {
    if (paused) return pausedShowMs;
    latchStart();
    lastReadShowMs = elapsedBetween(startReading(), readClockMs());
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
    demoStartMs = static_cast<std::uint32_t>(readClockMs() - showMs);
    lastReadShowMs = showMs;
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
