// What the page's address asks for, read in one place: index.html#t=MS shows the show from
// MS milliseconds on, #t=MS&paused holds it still at that moment, #bench runs the
// benchmark, #step=MS (for tests) moves the show's clock MS at each reading. The page hands
// its address fragment to the program, and asks the same reading of it (pageAddressJson).
#pragma once
#include <cstdint>

struct PageAddress {
    std::uint32_t ms; // within the show: at most its last millisecond
    bool paused;
    bool bench;   // the benchmark instead of the show
    bool stepped; // the clock steps stepMs at each reading (0: stands still)
    std::uint32_t stepMs;
};

// Parts are separated by '&'; "t=" followed by digits sets the moment, "paused" holds it,
// "bench" asks for the benchmark, "step=" followed by digits steps the clock; anything else
// is ignored. No moment: the start.
PageAddress readPageAddress(const char* fragment);
