#include "glut_win32/timer_queue.h"

#include <algorithm>

void addTimer(TimerQueue& queue, std::uint64_t nowMs, unsigned delayMs, void (*callback)(int),
              int value) {
    queue.timers.push_back({nowMs + delayMs, queue.setSoFar++, callback, value});
}

static bool runsBefore(const GlutTimer& a, const GlutTimer& b) {
    return a.dueMs != b.dueMs ? a.dueMs < b.dueMs : a.serial < b.serial;
}

bool takeDueTimer(TimerQueue& queue, std::uint64_t nowMs, std::uint64_t serialLimit,
                  GlutTimer& timer) {
    auto next = queue.timers.end();
    for (auto it = queue.timers.begin(); it != queue.timers.end(); ++it)
        if (it->dueMs <= nowMs && it->serial < serialLimit &&
            (next == queue.timers.end() || runsBefore(*it, *next)))
            next = it;
    if (next == queue.timers.end()) return false;
    timer = *next;
    queue.timers.erase(next);
    return true;
}

long long msUntilNextTimer(const TimerQueue& queue, std::uint64_t nowMs) {
    if (queue.timers.empty()) return -1;
    const auto next = std::min_element(queue.timers.begin(), queue.timers.end(), runsBefore);
    return next->dueMs <= nowMs ? 0 : static_cast<long long>(next->dueMs - nowMs);
}
