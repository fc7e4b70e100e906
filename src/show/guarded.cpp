#include "show/guarded.h"

#include "platform/program_exit.h"

#include <cstdio>
#include <exception>

static const char* programName = "quorrin";

const char* currentExceptionText() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

void stopOnException(const char* what) noexcept {
    std::fflush(stdout);
    std::fprintf(stderr, "%s: stopped by an unexpected error: %s\n", programName, what);
    exitProgram(1);
}

int runGuarded(const char* program, int (*run)(int, char**), int argc, char** argv) noexcept {
    programName = program;
    try {
        return run(argc, argv);
    } catch (...) {
        stopOnException(currentExceptionText());
    }
}
