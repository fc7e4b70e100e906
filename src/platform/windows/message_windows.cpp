// A person at the screen is told in a message box, which waits for a click. A run without
// one (the tests, a script) sets QUORRIN_MESSAGES=stderr and gets the same text as one line
// on standard error instead, so nothing waits.
#include "platform/message.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <windows.h>

static bool messagesToStandardError() {
    const char* setting = std::getenv("QUORRIN_MESSAGES");
    return setting != nullptr && std::strcmp(setting, "stderr") == 0;
}

void showMessage(const char* text) {
    if (messagesToStandardError()) {
        std::fprintf(stderr, "%s\n", text);
        std::fflush(stderr);
        return;
    }
    // Topmost, or a full-screen show would cover the box that waits for the click.
    MessageBoxA(nullptr, text, "quorrin", MB_OK | MB_ICONWARNING | MB_TOPMOST | MB_SETFOREGROUND);
}
