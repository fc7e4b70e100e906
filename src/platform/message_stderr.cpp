// A blocking dialog would hang every run without a person at the screen, so failures are
// reported as one line on standard error and start-up goes on.
#include "platform/message.h"

#include <cstdio>

void showMessage(const char* text) {
    std::fprintf(stderr, "%s\n", text);
    std::fflush(stderr);
}
