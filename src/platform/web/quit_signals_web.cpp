// A page is closed by its browser, not asked to stop by a signal: nothing to install, and no
// signal ever arrives.
#include "platform/quit_signals.h"

#include <cstdlib>

void installQuitSignals() {}

int quitSignal() {
    return 0;
}

void dieOfQuitSignal() {
    std::exit(1);
}
