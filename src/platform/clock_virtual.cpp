#include "platform/clock.h"
#include "platform/clock_virtual.h"

static std::uint32_t virtualNowMs;
static std::uint32_t virtualStepMs;

void setVirtualClockMs(std::uint32_t ms) { virtualNowMs = ms; }

void setVirtualClockStep(std::uint32_t stepMs) { virtualStepMs = stepMs; }

std::uint32_t readClockMs() {
    const std::uint32_t now = virtualNowMs;
    virtualNowMs += virtualStepMs; // wraps like the real counter
    return now;
}
