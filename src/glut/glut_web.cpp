// The GLUT calls the page makes that emscripten's GLUT does not have. A browser page is one
// window, shown or hidden with its tab.
#include <GL/freeglut.h>
#include <emscripten/html5.h>

static void (*windowStatusCallback)(int state);

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
