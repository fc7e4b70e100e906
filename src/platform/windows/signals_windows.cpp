// Windows has no signals for a console program: Ctrl-C, Ctrl-Break and the console's close
// button reach it as control events, each in a thread of its own. They ask the show to stop
// as SIGINT and SIGTERM do elsewhere; the show notices at its next safe point and exits
// through its exit routines (the music closed, the desktop's screen mode given back).
#include "platform/signals.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <windows.h>

static std::atomic<int> quitSignalSeen;

static BOOL WINAPI noteControlEvent(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
        quitSignalSeen = SIGINT;
        return TRUE;
    case CTRL_BREAK_EVENT:
        quitSignalSeen = SIGBREAK;
        return TRUE;
    case CTRL_CLOSE_EVENT:
        // The process is ended as soon as this returns: wait here, within the few seconds
        // the system allows, for the show to exit on its own.
        quitSignalSeen = SIGTERM;
        Sleep(INFINITE);
        return TRUE;
    default:
        return FALSE;
    }
}

void installSignals() {
    SetConsoleCtrlHandler(noteControlEvent, TRUE);
}

int quitSignal() {
    return quitSignalSeen;
}

void dieOfQuitSignal() {
    // The status a console program ended by Ctrl-C has.
    std::fflush(nullptr);
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

// A Windows process is never stopped and continued behind its back.
bool continuedSinceAsked() {
    return false;
}
