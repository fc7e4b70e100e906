// The show, driven by a virtual clock that advances a fixed step at every reading:
//   quorrin-stepped STEP_MS[:HOLD_MS] [show arguments...]
// so a whole run takes as long as drawing its frames, whatever the wall clock says. With
// HOLD_MS the clock stops there and the show draws that moment until it is ended from
// outside (a key, a signal).
#include "platform/clock_virtual.h"
#include "programs/quorrin/startup.h"
#include "show/guarded.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s STEP_MS[:HOLD_MS] [show arguments...]\n", argv[0]);
        return 2;
    }
    char* rest = nullptr;
    setVirtualClockStep(static_cast<std::uint32_t>(std::strtoul(argv[1], &rest, 10)));
    if (*rest == ':')
        setVirtualClockLimit(static_cast<std::uint32_t>(std::strtoul(rest + 1, nullptr, 10)));
    argv[1] = argv[0];
    return runGuarded("quorrin", runShow, argc - 1, argv + 1);
}
