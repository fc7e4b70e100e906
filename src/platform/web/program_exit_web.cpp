// A page's program has no process to end: its runtime stops for good (no frame, timer or key
// reaches it again) and the page's onExit gets the status, even while GLUT's loops keep the
// runtime alive.
#include "platform/program_exit.h"

#include <emscripten.h>

void exitProgram(int status) {
    emscripten_force_exit(status);
    __builtin_unreachable();
}
