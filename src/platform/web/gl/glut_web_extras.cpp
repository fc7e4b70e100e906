// The GLUT calls the show makes that emscripten's GLUT does not have. A browser page is one
// window, shown or hidden with its tab, and has no screen modes to switch: the game mode is
// never possible, and the show then takes the whole window, as it does on a native screen
// that refuses the switch.
#include <GL/freeglut.h>
#include <emscripten/html5.h>

static void (*windowStatusCallback)(int state);

void glutGameModeString(const char*) {}

int glutEnterGameMode() {
    return 0;
}

int glutGameModeGet(GLenum) {
    return 0;
}

int glutGetWindow() {
    return 1;
}

void glutPostWindowRedisplay(int) {
    glutPostRedisplay();
}

static EM_BOOL visibilityChanged(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    if (windowStatusCallback != nullptr)
        windowStatusCallback(event->hidden ? GLUT_HIDDEN : GLUT_FULLY_RETAINED);
    return EM_FALSE;
}

void glutWindowStatusFunc(void (*callback)(int state)) {
    windowStatusCallback = callback;
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE,
                                             callback != nullptr ? visibilityChanged : nullptr);
}
