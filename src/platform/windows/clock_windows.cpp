// The wall clock the show plays against: the multimedia timer, in whole milliseconds. Its
// default resolution can be as coarse as the scheduler's tick (15.6 ms), which would put
// frames on a visible staircase, so the first reading asks for 1 ms for the whole run.
#include "platform/clock.h"

#include <windows.h>

#include <mmsystem.h>

std::uint32_t readClockMs() {
    static const bool fineResolution = timeBeginPeriod(1) == TIMERR_NOERROR;
    (void)fineResolution;
    // Wraps at 2^32 like every platform's counter: callers subtract readings.
    return timeGetTime();
}
