// Making GLUT's windows: a Win32 window of the class every GLUT window shares, the pixel
// format GLUT was asked for, and a GL context of its own; and where they go on the screen.
#include "glut_win32/glut_state.h"
#include "glut_win32/window_geometry.h"

static int nextWidth = 300, nextHeight = 300; // GLUT's default size
static int nextX = -1, nextY = -1;            // -1: where Windows puts a new window

static constexpr DWORD framedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
static constexpr DWORD borderlessStyle = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
static constexpr DWORD subwindowStyle = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

static ScreenRect asScreenRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Where (x, y) in window id's drawing area is on the screen.
static POINT onScreen(int id, int x, int y) {
    POINT point{x, y};
    ClientToScreen(glutWindow(id)->handle, &point);
    return point;
}

static void choosePixelFormat(HDC deviceContext) {
    const unsigned mode = glutDisplayMode();
    PIXELFORMATDESCRIPTOR wanted{};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL |
                     ((mode & GLUT_DOUBLE) != 0 ? PFD_DOUBLEBUFFER : 0);
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = 24;
    wanted.cDepthBits = (mode & GLUT_DEPTH) != 0 ? 24 : 0;
    wanted.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(deviceContext, &wanted);
    PIXELFORMATDESCRIPTOR chosen{};
    if (format == 0 || DescribePixelFormat(deviceContext, format, sizeof chosen, &chosen) == 0 ||
        SetPixelFormat(deviceContext, format, &chosen) == 0)
        glutFatal("no pixel format for OpenGL");
    if ((chosen.dwFlags & wanted.dwFlags) != wanted.dwFlags ||
        chosen.cDepthBits < wanted.cDepthBits)
        glutFatal("no double-buffered RGBA pixel format with a 24-bit depth buffer");
}

int createGlutWindow(int parent, const char* title, int x, int y, int width, int height,
                     bool borderless) {
    const GlutWindow* parentWindow = glutWindow(parent);
    const DWORD style = parentWindow != nullptr ? subwindowStyle
                        : borderless            ? borderlessStyle
                                                : framedStyle;
    int frameX = x, frameY = y, frameWidth = width, frameHeight = height;
    if (parentWindow != nullptr) {
        const POINT corner = onScreen(parent, x, y);
        frameX = corner.x;
        frameY = corner.y;
    } else if (!borderless) {
        RECT aroundNothing{0, 0, 0, 0};
        AdjustWindowRectEx(&aroundNothing, style, FALSE, 0);
        RECT workArea{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
        const ScreenRect frame = frameForClient(x, y, width, height, asScreenRect(aroundNothing),
                                                asScreenRect(workArea));
        frameX = x < 0 ? CW_USEDEFAULT : frame.x;
        frameY = y < 0 ? CW_USEDEFAULT : frame.y;
        frameWidth = frame.width;
        frameHeight = frame.height;
    }
    const int id = addGlutWindow();
    if (parentWindow != nullptr) {
        GlutWindow& made = *glutWindow(id);
        made.parent = parent;
        made.offsetX = x;
        made.offsetY = y;
    }
    HWND handle = CreateWindowExA(
        parentWindow != nullptr ? WS_EX_NOACTIVATE : 0, "GLUT", title, style, frameX, frameY,
        frameWidth, frameHeight, parentWindow != nullptr ? parentWindow->handle : nullptr, nullptr,
        GetModuleHandleA(nullptr), reinterpret_cast<void*>(static_cast<INT_PTR>(id)));
    if (handle == nullptr) glutFatal("a window could not be made");
    GlutWindow& window = *glutWindow(id);
    window.handle = handle;
    window.deviceContext = GetDC(handle);
    choosePixelFormat(window.deviceContext);
    window.glContext = wglCreateContext(window.deviceContext);
    if (window.glContext == nullptr) glutFatal("no OpenGL context");
    RECT client{};
    GetClientRect(handle, &client);
    window.width = client.right;
    window.height = client.bottom;
    window.reshapePending = window.displayPending = true;
    if (parentWindow == nullptr) ShowWindow(handle, SW_SHOWNORMAL);
    makeGlutWindowCurrent(id);
    return id;
}

void glutInitWindowSize(int width, int height) {
    nextWidth = width;
    nextHeight = height;
}

void glutInitWindowPosition(int x, int y) {
    nextX = x;
    nextY = y;
}

int glutCreateWindow(const char* title) {
    return createGlutWindow(0, title, nextX, nextY, nextWidth, nextHeight, false);
}

int glutCreateSubWindow(int parent, int x, int y, int width, int height) {
    if (glutWindow(parent) == nullptr) glutFatal("a subwindow was asked of no window");
    return createGlutWindow(parent, "", x, y, width, height, false);
}

void coverScreenWithCurrentWindow(const RECT& screen) {
    HWND handle = currentGlutWindow().handle;
    SetWindowLongPtrA(handle, GWL_STYLE, borderlessStyle | WS_VISIBLE);
    SetWindowPos(handle, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

void glutFullScreen() {
    if (currentGlutWindow().parent != 0) return; // only a top-level window fills a screen
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(currentGlutWindow().handle, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    coverScreenWithCurrentWindow(monitor.rcMonitor);
}

// A subwindow moves within its parent's drawing area; a top-level window by its frame's
// corner.
void glutPositionWindow(int x, int y) {
    GlutWindow& window = currentGlutWindow();
    POINT corner{x, y};
    if (window.parent != 0) {
        window.offsetX = x;
        window.offsetY = y;
        corner = onScreen(window.parent, x, y);
    }
    SetWindowPos(window.handle, nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeSubwindowsOf(int id) {
    for (int sub = 1; const GlutWindow* window = glutWindow(sub); ++sub) {
        if (window->parent != id || window->handle == nullptr) continue;
        const POINT corner = onScreen(id, window->offsetX, window->offsetY);
        SetWindowPos(window->handle, nullptr, corner.x, corner.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void glutReshapeWindow(int width, int height) {
    GlutWindow& window = currentGlutWindow();
    RECT frame{0, 0, width, height};
    if (window.parent == 0)
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window.handle, GWL_STYLE)),
                           FALSE, 0);
    SetWindowPos(window.handle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void glutSetCursor(int cursor) {
    GlutWindow& window = currentGlutWindow();
    window.cursorHidden = cursor == GLUT_CURSOR_NONE;
    // The pointer resting over the window takes the change at once, not at its next move.
    POINT pointer{};
    if (GetCursorPos(&pointer) && WindowFromPoint(pointer) == window.handle)
        SetCursor(window.cursorHidden ? nullptr : LoadCursorA(nullptr, IDC_ARROW));
}
