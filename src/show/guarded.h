// An exception must neither unwind through GLUT or SDL (C libraries, which cannot pass it
// on) nor end a program through std::terminate. Each program's entry point and every
// callback it hands to a C library run inside a guard that turns one into a line on
// standard error and exit status 1.
#pragma once

// The exception being handled, as text; call it only inside a catch block.
const char* currentExceptionText() noexcept;

// "PROGRAM: stopped by an unexpected error: what" on standard error (PROGRAM as given to
// runGuarded, "quorrin" before), then exit(1): the exit routines close the music, remove an
// unfinished file and let GLUT give the desktop its screen mode back.
[[noreturn]] void stopOnException(const char* what) noexcept;

// A GLUT callback that stops the program cleanly instead of throwing into GLUT.
template <auto callback, typename... Args> void guarded(Args... args) noexcept {
    try {
        callback(args...);
    } catch (...) {
        stopOnException(currentExceptionText());
    }
}

// run(argc, argv) inside the guard, for a program's main; program names it in the message.
int runGuarded(const char* program, int (*run)(int, char**), int argc, char** argv) noexcept;
