// A browser has no screen modes to switch: GLUT's game mode is never possible here, and the
// show then takes the whole window, as it does on a native screen that refuses the switch.
#include <GL/freeglut.h>

void glutGameModeString(const char*) {}

int glutEnterGameMode() {
    return 0;
}

int glutGameModeGet(GLenum) {
    return 0;
}
