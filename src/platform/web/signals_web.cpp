// A page is closed by its browser, not asked to stop or continued by a signal: nothing to
// install, and no signal ever arrives.
#include "platform/signals.h"

#include <cstdlib>

void installSignals() {}

int quitSignal() {
    return 0;
}

void dieOfQuitSignal() {
    std::exit(1);
}

bool continuedSinceAsked() {
    return false;
}
