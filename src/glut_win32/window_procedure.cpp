// What Windows tells a GLUT window: sizes and paints become work for the main loop, keys go
// to the window's callbacks at once, being minimised or shown again to its status callback.
#include "glut_win32/glut_state.h"
#include "glut_win32/key_map.h"

#include <cstdlib>

static_assert(glutSpecialKey(VK_LEFT) == GLUT_KEY_LEFT && glutSpecialKey(VK_UP) == GLUT_KEY_UP &&
              glutSpecialKey(VK_RIGHT) == GLUT_KEY_RIGHT &&
              glutSpecialKey(VK_DOWN) == GLUT_KEY_DOWN &&
              glutSpecialKey(VK_PRIOR) == GLUT_KEY_PAGE_UP &&
              glutSpecialKey(VK_NEXT) == GLUT_KEY_PAGE_DOWN &&
              glutSpecialKey(VK_HOME) == GLUT_KEY_HOME && glutSpecialKey(VK_END) == GLUT_KEY_END);

static int windowIdOf(HWND handle) {
    return static_cast<int>(GetWindowLongPtrA(handle, GWLP_USERDATA));
}

// Where the pointer is in the window's drawing area, as GLUT hands it to key callbacks.
static POINT pointerIn(HWND handle) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(handle, &pointer);
    return pointer;
}

static void noteHidden(int id, bool hidden) {
    GlutWindow* window = glutWindow(id);
    if (window == nullptr || window->hidden == hidden) return;
    window->hidden = hidden;
    if (!hidden) window->displayPending = true;
    if (window->windowStatus == nullptr) return;
    makeGlutWindowCurrent(id);
    window->windowStatus(hidden ? GLUT_HIDDEN : GLUT_FULLY_RETAINED);
}

static void noteSize(int id, int width, int height) {
    GlutWindow* window = glutWindow(id);
    if (window == nullptr || (window->width == width && window->height == height)) return;
    window->width = width;
    window->height = height;
    window->reshapePending = true;
}

static void pressSpecialKey(int id, HWND handle, WPARAM virtualKey) {
    const GlutWindow* window = glutWindow(id);
    const int key = glutSpecialKey(static_cast<unsigned>(virtualKey));
    if (window == nullptr || window->special == nullptr || key == 0) return;
    const POINT pointer = pointerIn(handle);
    makeGlutWindowCurrent(id);
    window->special(key, pointer.x, pointer.y);
}

static void typeCharacter(int id, HWND handle, WPARAM character) {
    const GlutWindow* window = glutWindow(id);
    if (window == nullptr || window->keyboard == nullptr || character > 0xFF) return;
    const POINT pointer = pointerIn(handle);
    makeGlutWindowCurrent(id);
    window->keyboard(static_cast<unsigned char>(character), pointer.x, pointer.y);
}

LRESULT CALLBACK glutWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(handle, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        return DefWindowProcA(handle, message, wParam, lParam);
    }
    const int id = windowIdOf(handle);
    switch (message) {
    case WM_SIZE:
        // Minimised, the drawing area keeps its size for when it comes back.
        if (wParam == SIZE_MINIMIZED) {
            noteHidden(id, true);
            return 0;
        }
        noteSize(id, LOWORD(lParam), HIWORD(lParam));
        noteHidden(id, false);
        return 0;
    case WM_MOVE:
        placeSubwindowsOf(id);
        break;
    case WM_SHOWWINDOW:
        noteHidden(id, wParam == FALSE);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(handle, &paint);
        EndPaint(handle, &paint);
        glutPostWindowRedisplay(id);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // GL paints every pixel; an erase first would only flicker
    case WM_KEYDOWN:
        pressSpecialKey(id, handle, wParam);
        return 0;
    case WM_CHAR:
        typeCharacter(id, handle, wParam);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && glutWindow(id) != nullptr &&
            glutWindow(id)->cursorHidden) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_CLOSE:
        // Closing a GLUT window ends the program, successfully.
        std::exit(0);
    default:
        break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}
