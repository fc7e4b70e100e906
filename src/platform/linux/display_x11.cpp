#include "platform/display.h"

#include <cstdlib>
#include <cstring>

bool displayReachable(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-display") == 0) return true; // GLUT's own option names one
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && display[0] != '\0';
}
