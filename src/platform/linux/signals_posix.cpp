#include "platform/signals.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

static volatile std::sig_atomic_t quitSignalSeen;
static volatile std::sig_atomic_t continued;

static void noteQuitSignal(int signal) {
    quitSignalSeen = signal;
}

static void noteContinued(int) {
    continued = 1;
}

void installSignals() {
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = noteQuitSignal;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    // Restarting: a continue is no reason to break off what was going on.
    action.sa_handler = noteContinued;
    action.sa_flags = SA_RESTART;
    sigaction(SIGCONT, &action, nullptr);
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

bool continuedSinceAsked() {
    const bool was = continued != 0;
    continued = 0;
    return was;
}
