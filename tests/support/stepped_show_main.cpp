// The show, driven by a virtual clock that advances a fixed step at every reading:
//   quorrin-stepped STEP_MS [show arguments...]
// so a whole run takes as long as drawing its frames, whatever the wall clock says.
#include "platform/clock_virtual.h"
#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s STEP_MS [show arguments...]\n", argv[0]);
        return 2;
    }
    setVirtualClockStep(static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)));
    argv[1] = argv[0];
    return runShow(argc - 1, argv + 1);
}
