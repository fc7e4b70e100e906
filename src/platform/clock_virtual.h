// Controls for the virtual clock, linked in place of the real one by the tests and the
// capture tool, so they drive the show through exactly the code the show runs.
#pragma once
#include <cstdint>

// The next reading returns ms.
void setVirtualClockMs(std::uint32_t ms);
// Every reading advances the clock by stepMs after returning (0: the clock stands still).
void setVirtualClockStep(std::uint32_t stepMs);
// Stepping stops once the clock reaches limitMs (it then reads limitMs for ever).
void setVirtualClockLimit(std::uint32_t limitMs);
