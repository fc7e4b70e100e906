// Ctrl-C, SIGTERM and SIGHUP ask a program to stop at its next safe point instead of killing
// it where it stands: the show gives the desktop its screen mode back on the way out, the
// capture removes its unfinished file.
#pragma once

// Installs the handlers. They do not restart interrupted calls, so a write or a wait that is
// blocked returns and the request is seen at once. SIGPIPE is ignored: a reader that went
// away shows as a failed write, not as this process's death.
void installQuitSignals();
// The signal that asked to stop, or 0.
int quitSignal();
// Ends the process the way the signal would have, once the caller has cleaned up.
[[noreturn]] void dieOfQuitSignal();
