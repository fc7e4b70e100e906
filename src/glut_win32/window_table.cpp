// The windows GLUT has made, the current one, and the calls that act on it alone.
#include "glut_win32/glut_state.h"

#include <deque>

// A deque: a window's entry stays where it is while later windows are added, and the
// window procedure reaches it during its own creation.
static std::deque<GlutWindow> windows;
static int currentId;

GlutWindow* glutWindow(int id) {
    if (id < 1 || id > static_cast<int>(windows.size())) return nullptr;
    return &windows[static_cast<std::size_t>(id - 1)];
}

int addGlutWindow() {
    windows.emplace_back();
    return static_cast<int>(windows.size());
}

int currentGlutWindowId() {
    return currentId;
}

GlutWindow& currentGlutWindow() {
    GlutWindow* window = glutWindow(currentId);
    if (window == nullptr) glutFatal("a window call was made with no current window");
    return *window;
}

void makeGlutWindowCurrent(int id) {
    GlutWindow* window = glutWindow(id);
    if (window == nullptr) return;
    currentId = id;
    if (window->glContext != nullptr && wglGetCurrentContext() != window->glContext)
        wglMakeCurrent(window->deviceContext, window->glContext);
}

void glutSetWindow(int window) {
    makeGlutWindowCurrent(window);
}

int glutGetWindow() {
    return currentId;
}

void glutDisplayFunc(void (*callback)()) {
    currentGlutWindow().display = callback;
}

void glutReshapeFunc(void (*callback)(int, int)) {
    GlutWindow& window = currentGlutWindow();
    window.reshape = callback;
    window.reshapePending = true; // the new callback hears the size before the next frame
}

void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    currentGlutWindow().keyboard = callback;
}

void glutSpecialFunc(void (*callback)(int, int, int)) {
    currentGlutWindow().special = callback;
}

void glutWindowStatusFunc(void (*callback)(int)) {
    currentGlutWindow().windowStatus = callback;
}

void glutPostRedisplay() {
    currentGlutWindow().displayPending = true;
}

void glutPostWindowRedisplay(int id) {
    if (GlutWindow* window = glutWindow(id)) window->displayPending = true;
}

void glutSwapBuffers() {
    SwapBuffers(currentGlutWindow().deviceContext);
}
