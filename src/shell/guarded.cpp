#include "shell/guarded.h"

#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

const char* currentExceptionText() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

void stopShowOnException(const char* what) noexcept {
    std::fflush(stdout);
    std::fprintf(stderr, "quorrin: stopped by an unexpected error: %s\n", what);
    std::exit(1);
}

int runShowGuarded(int argc, char** argv) noexcept {
    try {
        return runShow(argc, argv);
    } catch (...) {
        stopShowOnException(currentExceptionText());
    }
}
