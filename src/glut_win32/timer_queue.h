// GLUT's timers: callbacks due at a time, run in the order they fall due, and in the order
// they were set among those due at the same time (the viewer queues each key as a timer of
// 0 ms, and keys must not overtake each other). Without windows.h or GL.
#pragma once
#include <cstdint>
#include <vector>

struct GlutTimer {
    std::uint64_t dueMs;
    std::uint64_t serial; // the order timers were set in
    void (*callback)(int value);
    int value;
};

struct TimerQueue {
    std::vector<GlutTimer> timers;
    std::uint64_t setSoFar = 0;
};

void addTimer(TimerQueue& queue, std::uint64_t nowMs, unsigned delayMs, void (*callback)(int),
              int value);

// Takes out the timer to run next, if one set before serialLimit is due at nowMs (a timer a
// callback sets waits for the next round, even at 0 ms, so a round always ends).
bool takeDueTimer(TimerQueue& queue, std::uint64_t nowMs, std::uint64_t serialLimit,
                  GlutTimer& timer);

// Milliseconds until the next timer is due: 0 when one is due, -1 when none is set.
long long msUntilNextTimer(const TimerQueue& queue, std::uint64_t nowMs);
