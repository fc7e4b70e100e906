// What the GLUT layer keeps between calls: its windows, the current one, the callbacks, and
// what the main loop still has to do for each window. Windows are numbered from 1 in the
// order they were made, as GLUT numbers them; 0 is no window.
#pragma once
#include <GL/freeglut.h>
#include <cstdint>
#include <windows.h>

struct GlutWindow {
    HWND handle = nullptr;
    HDC deviceContext = nullptr;  // the window's own (its class has CS_OWNDC)
    HGLRC glContext = nullptr;    // each window draws with a context of its own
    int parent = 0;               // 0: a top-level window
    int offsetX = 0, offsetY = 0; // a subwindow's place in its parent's drawing area
    int width = 0, height = 0;    // the drawing area, as last reported by Windows
    bool reshapePending = false;  // the reshape callback has not seen the size yet
    bool displayPending = false;
    bool hidden = false; // minimised or hidden, as last told to the status callback
    bool cursorHidden = false;
    void (*display)() = nullptr;
    void (*reshape)(int width, int height) = nullptr;
    void (*keyboard)(unsigned char key, int x, int y) = nullptr;
    void (*special)(int key, int x, int y) = nullptr;
    void (*windowStatus)(int state) = nullptr;
};

// The window numbered id, or nullptr where there is none.
GlutWindow* glutWindow(int id);
// The current window: calls without a window number act on it. Fails loudly without one.
GlutWindow& currentGlutWindow();
int currentGlutWindowId();
// Makes window id current, its GL context with it.
void makeGlutWindowCurrent(int id);

// A new, empty entry in the table of windows; its number.
int addGlutWindow();

// A new window, made current: a top-level one (parent 0) whose drawing area is width x
// height with its frame's corner at (x, y) (a borderless one: the window is that rectangle),
// or a subwindow of parent at (x, y) in the parent's drawing area. The pixel format is the
// one glutInitDisplayMode asked for.
//
// A subwindow is a borderless window owned by its parent and kept over the parent's drawing
// area, not a Win32 child window: OpenGL in child windows depends on how a system composes
// them (Wine on a plain X server draws it off screen and never shows it), where an owned
// window is a window of its own to every system. Owned, it stays above its parent, is
// hidden and shown with it and has no task-bar button; it never takes the keyboard, which
// stays with the parent, as with a child.
int createGlutWindow(int parent, const char* title, int x, int y, int width, int height,
                     bool borderless);
// Makes the current top-level window a borderless one covering exactly screen.
void coverScreenWithCurrentWindow(const RECT& screen);
// Puts window id's subwindows back over its drawing area, after it moved.
void placeSubwindowsOf(int id);

// The window procedure every GLUT window has.
LRESULT CALLBACK glutWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

// Milliseconds since glutInit, from the performance counter.
std::uint64_t glutElapsedMs();
// The program's name (argv[0] without its folder and .exe), for a window made without a title.
const char* glutProgramName();
// The display mode from glutInitDisplayMode.
unsigned glutDisplayMode();

// Ends the program with a message, as GLUT does where it cannot go on.
[[noreturn]] void glutFatal(const char* what);
