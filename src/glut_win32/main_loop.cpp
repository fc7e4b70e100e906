// GLUT's start and its loop: messages from Windows, then timers that are due, then the
// windows' reshapes and frames, then the idle callback or, without one, a wait for whatever
// comes first, a message or the next timer.
#include "glut_win32/glut_state.h"
#include "glut_win32/timer_queue.h"

#include <cstdio>
#include <cstdlib>
#include <string>

static LARGE_INTEGER startCount, countsPerSecond;
static std::string programName = "GLUT";
static unsigned displayMode = GLUT_RGB;
static void (*idleCallback)();
static TimerQueue timers;

std::uint64_t glutElapsedMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const auto counts = static_cast<std::uint64_t>(now.QuadPart - startCount.QuadPart);
    const auto perSecond = static_cast<std::uint64_t>(countsPerSecond.QuadPart);
    return counts / perSecond * 1000 + counts % perSecond * 1000 / perSecond;
}

const char* glutProgramName() {
    return programName.c_str();
}

unsigned glutDisplayMode() {
    return displayMode;
}

void glutFatal(const char* what) {
    std::fprintf(stderr, "%s: GLUT: %s (error %lu)\n", programName.c_str(), what, GetLastError());
    std::exit(1);
}

static std::string nameFromPath(const char* path) {
    std::string name = path != nullptr ? path : "";
    const std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    if (name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".exe") == 0)
        name.resize(name.size() - 4);
    return name.empty() ? "GLUT" : name;
}

// Windows has no GLUT options of its own to take out of the command line.
void glutInit(int* argc, char** argv) {
    QueryPerformanceFrequency(&countsPerSecond);
    QueryPerformanceCounter(&startCount);
    if (*argc > 0) programName = nameFromPath(argv[0]);
    // Sized in the screen's real pixels: a full-screen window is not stretched by the
    // desktop's scaling.
    SetProcessDPIAware();
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = glutWindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "GLUT";
    if (RegisterClassA(&windowClass) == 0) glutFatal("the window class could not be registered");
}

void glutInitDisplayMode(unsigned int mode) {
    displayMode = mode;
}

void glutIdleFunc(void (*callback)()) {
    idleCallback = callback;
}

void glutTimerFunc(unsigned int ms, void (*callback)(int), int value) {
    addTimer(timers, glutElapsedMs(), ms, callback, value);
}

static int windowPosition(const GlutWindow& window, bool horizontal) {
    POINT corner{0, 0};
    // A child's place is in its parent's drawing area, a top-level window's on the screen.
    const GlutWindow* parent = glutWindow(window.parent);
    MapWindowPoints(window.handle, parent != nullptr ? parent->handle : nullptr, &corner, 1);
    return horizontal ? corner.x : corner.y;
}

static int windowSize(const GlutWindow& window, bool horizontal) {
    RECT client{};
    GetClientRect(window.handle, &client);
    return horizontal ? client.right : client.bottom;
}

int glutGet(GLenum query) {
    switch (query) {
    case GLUT_ELAPSED_TIME:
        return static_cast<int>(glutElapsedMs());
    case GLUT_SCREEN_WIDTH:
        return GetSystemMetrics(SM_CXSCREEN);
    case GLUT_SCREEN_HEIGHT:
        return GetSystemMetrics(SM_CYSCREEN);
    case GLUT_WINDOW_X:
    case GLUT_WINDOW_Y:
        return windowPosition(currentGlutWindow(), query == GLUT_WINDOW_X);
    case GLUT_WINDOW_WIDTH:
    case GLUT_WINDOW_HEIGHT:
        return windowSize(currentGlutWindow(), query == GLUT_WINDOW_WIDTH);
    default:
        return -1;
    }
}

static void handMessagesOn() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) std::exit(static_cast<int>(message.wParam));
        TranslateMessage(&message); // key presses become WM_CHAR characters
        DispatchMessageA(&message);
    }
}

static void runDueTimers() {
    const std::uint64_t now = glutElapsedMs();
    const std::uint64_t setBeforeNow = timers.setSoFar;
    GlutTimer timer;
    while (takeDueTimer(timers, now, setBeforeNow, timer))
        timer.callback(timer.value);
}

// A window's reshape comes before its frame; a parent's reshape may move and size its
// children, which come later in the table and so are reshaped in the same round.
static bool reshapeAndDrawWindows() {
    bool drew = false;
    for (int id = 1; GlutWindow* window = glutWindow(id); ++id) {
        if (window->reshapePending) {
            window->reshapePending = false;
            window->displayPending = true;
            makeGlutWindowCurrent(id);
            if (window->reshape != nullptr)
                window->reshape(window->width, window->height);
            else
                glViewport(0, 0, window->width, window->height);
        }
    }
    for (int id = 1; GlutWindow* window = glutWindow(id); ++id) {
        if (!window->displayPending) continue;
        // A hidden window is not drawn; it is sent a paint when it is shown again.
        window->displayPending = false;
        if (window->hidden || window->display == nullptr) continue;
        makeGlutWindowCurrent(id);
        window->display();
        drew = true;
    }
    return drew;
}

static bool framePending() {
    for (int id = 1; const GlutWindow* window = glutWindow(id); ++id)
        if (window->reshapePending || (window->displayPending && !window->hidden)) return true;
    return false;
}

static void waitForWork() {
    if (framePending()) return;
    const long long untilTimer = msUntilNextTimer(timers, glutElapsedMs());
    if (untilTimer == 0) return;
    const DWORD timeout = untilTimer < 0 ? INFINITE : static_cast<DWORD>(untilTimer);
    MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void glutMainLoop() {
    for (;;) {
        handMessagesOn();
        runDueTimers();
        reshapeAndDrawWindows();
        if (idleCallback != nullptr)
            idleCallback();
        else
            waitForWork();
    }
}
