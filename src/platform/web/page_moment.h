// What the page's address asks for: index.html#t=MS shows the show from MS milliseconds on,
// index.html#t=MS&paused holds it still at that moment. The page hands its address fragment
// to the program as its one argument.
#pragma once
#include <cstdint>

struct PageMoment {
    std::uint32_t ms; // within the show: at most its last millisecond
    bool paused;
    bool bench; // index.html#bench: the benchmark instead of the show
};

// Parts are separated by '&'; "t=" followed by digits sets the moment, "paused" holds it,
// "bench" asks for the benchmark; anything else (the page's own "step=") is ignored. No
// moment: the start.
PageMoment momentFromFragment(const char* fragment);
