// The show's time: milliseconds since the first frame by the platform's clock, latched on the
// first reading, held still while the viewer pauses, moved when the viewer jumps.
#pragma once
#include <cstdint>

// The show's origin: the clock reading (a 32-bit count) of the first frame, latched behind
// bit 0 of demoFlags. A jump or a resume moves it, so that the show time reads the new
// moment from then on.
extern double demoStartMs;
extern unsigned demoFlags;
inline constexpr unsigned demoStartLatched = 1u;

// The show time now: the first call latches the origin from one reading of the clock and
// every call then takes another. While paused, the paused moment without reading the clock.
double showTimeNow();

// The show time as of the clock's latest reading (or the latest one set), without reading
// it again: a run stepped by a virtual clock must not move on for being asked.
double showTimeAtLastReading();

// From now on the clock reads showMs (while paused: the paused moment becomes showMs).
void setShowTime(std::uint32_t showMs);

// Holds the show time at its value now until resumeShowTime, which goes on from there.
void pauseShowTime();
void resumeShowTime();
bool showTimePaused();
