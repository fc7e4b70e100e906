// The clock the show's time is read from: whole milliseconds from a monotonic source.
// Only differences between readings mean anything; the counter may wrap at 2^32.
#pragma once
#include <cstdint>

std::uint32_t readClockMs();
