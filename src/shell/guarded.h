// An exception must neither unwind through GLUT or SDL (C libraries, which cannot pass it
// on) nor end a program through std::terminate. The show's entry point and every callback
// it hands to a C library run inside a guard that turns one into a line on standard error
// and exit status 1.
#pragma once

// The exception being handled, as text; call it only inside a catch block.
const char* currentExceptionText() noexcept;

// "quorrin: stopped by an unexpected error: what" on standard error, then exit(1), which
// closes the music and lets GLUT give the desktop its screen mode back.
[[noreturn]] void stopShowOnException(const char* what) noexcept;

// A GLUT callback that stops the show cleanly instead of throwing into GLUT.
template <auto callback, typename... Args> void guarded(Args... args) noexcept {
    try {
        callback(args...);
    } catch (...) {
        stopShowOnException(currentExceptionText());
    }
}

// runShow inside the guard, for main.
int runShowGuarded(int argc, char** argv) noexcept;
