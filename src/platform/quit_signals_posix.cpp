#include "platform/quit_signals.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

static volatile std::sig_atomic_t quitSignalSeen;

static void noteQuitSignal(int signal) {
    quitSignalSeen = signal;
}

void installQuitSignals() {
    struct sigaction action {};
    action.sa_handler = noteQuitSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

int quitSignal() {
    return quitSignalSeen;
}

void dieOfQuitSignal() {
    const int signal = quitSignalSeen != 0 ? quitSignalSeen : SIGTERM;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}
