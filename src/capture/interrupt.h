// Ctrl-C, SIGTERM and SIGHUP ask the capture to stop between frames (or inside a blocked
// write to the encoder), so it can remove its unfinished file before it goes.
#pragma once

void installInterruptHandlers();
// The signal that asked to stop, or 0.
int interruptSignal();
// Ends the process the way the signal would have, after the caller cleaned up.
[[noreturn]] void dieOfInterrupt();
