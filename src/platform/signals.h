// Signals a program answers at its own safe points instead of being killed where it stands.
// Ctrl-C, SIGTERM and SIGHUP ask it to stop: the show gives the desktop its screen mode back
// on the way out, the capture removes its unfinished file. SIGCONT says it was stopped
// (Ctrl-Z) and goes on: its clock went on meanwhile, its music did not.
#pragma once

// Installs the handlers. They do not restart interrupted calls, so a write or a wait that is
// blocked returns and the request is seen at once. SIGPIPE is ignored: a reader that went
// away shows as a failed write, not as this process's death.
void installSignals();
// The signal that asked to stop, or 0.
int quitSignal();
// Ends the process the way the signal would have, once the caller has cleaned up.
[[noreturn]] void dieOfQuitSignal();
// Whether the process was continued after a stop since the last time this was asked.
bool continuedSinceAsked();
