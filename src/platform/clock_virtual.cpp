#include "platform/clock_virtual.h"
#include "platform/clock.h"

static std::uint32_t virtualNowMs;
static std::uint32_t virtualStepMs;
static std::uint32_t virtualLimitMs;
static bool virtualLimited;

void setVirtualClockMs(std::uint32_t ms) {
    virtualNowMs = ms;
}

void setVirtualClockStep(std::uint32_t stepMs) {
    virtualStepMs = stepMs;
}

void setVirtualClockLimit(std::uint32_t limitMs) {
    virtualLimitMs = limitMs;
    virtualLimited = true;
}

std::uint32_t readClockMs() {
    const std::uint32_t now = virtualNowMs;
    if (virtualLimited && virtualLimitMs - now <= virtualStepMs)
        virtualNowMs = virtualLimitMs;
    else
        virtualNowMs += virtualStepMs; // wraps like the real counter
    return now;
}
