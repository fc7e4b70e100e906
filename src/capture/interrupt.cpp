#include "capture/interrupt.h"

#include <csignal>
#include <cstdlib>
#include <unistd.h>

static volatile std::sig_atomic_t stopSignal;

static void requestStop(int signal) {
    stopSignal = signal;
}

void installInterruptHandlers() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a write blocked on a slow encoder returns, so the stop is seen at once.
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    // An encoder that dies shows as a failed write, not as our death.
    std::signal(SIGPIPE, SIG_IGN);
}

int interruptSignal() {
    return stopSignal;
}

void dieOfInterrupt() {
    const int signal = stopSignal != 0 ? stopSignal : SIGTERM;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}
