// What the page's address asks for, read in one place: index.html#t=MS shows the show from
// MS milliseconds on, #t=MS&paused holds it still at that moment, #bench runs the
// benchmark, #hd draws the picture at every device pixel of a big screen, #step=MS (for
// tests) moves the show's clock MS at each reading. The page hands its address fragment to
// the program, and asks the same reading of it (pageAddressJson); what the reading could
// not use is listed, so the page can say so instead of quietly playing from the start.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct PageAddress {
    std::uint32_t ms; // within the show: at most its last millisecond
    bool paused;
    bool bench;   // the benchmark instead of the show
    bool stepped; // the clock steps stepMs (at least 1) at each reading
    std::uint32_t stepMs;
    bool hd;                           // no cap on the picture's pixels
    std::vector<std::string> unusable; // the parts read as nothing, as written
};

// Parts are separated by '&'; "t=" followed by digits sets the moment, "paused" holds it,
// "bench" asks for the benchmark, "hd" lifts the cap, "step=" followed by digits (not 0)
// steps the clock. Any other part, or one of these with a value it cannot use, changes
// nothing and is listed as unusable; empty parts are skipped. No moment: the start.
PageAddress readPageAddress(const char* fragment);

// The reading as the page's script takes it:
// {"ms":..,"paused":..,"bench":..,"hd":..,"stepMs":.. or null,"unusable":[".."]}.
std::string pageAddressJson(const PageAddress& address);
