// GLUT's game mode: the screen switched to the mode asked for, and one borderless window
// covering it. The desktop's own mode comes back when the program ends, however it ends
// (its end, Esc, a stop request, an error: all go through exit).
#include "glut_win32/game_mode_string.h"
#include "glut_win32/glut_state.h"

#include <cstdlib>

static GameModeRequest requested;
static bool requestUsable;
static bool active;

static DEVMODEA modeFor(const GameModeRequest& request) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(request.width);
    mode.dmPelsHeight = static_cast<DWORD>(request.height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    if (request.bitsPerPixel != 0) {
        mode.dmBitsPerPel = static_cast<DWORD>(request.bitsPerPixel);
        mode.dmFields |= DM_BITSPERPEL;
    }
    if (request.refreshHz != 0) {
        mode.dmDisplayFrequency = static_cast<DWORD>(request.refreshHz);
        mode.dmFields |= DM_DISPLAYFREQUENCY;
    }
    return mode;
}

static void restoreDesktopMode() {
    if (!active) return;
    active = false;
    ChangeDisplaySettingsA(nullptr, 0);
}

void glutGameModeString(const char* mode) {
    requestUsable = parseGameModeString(mode, requested);
}

int glutGameModeGet(GLenum query) {
    if (query == GLUT_GAME_MODE_ACTIVE) return active ? 1 : 0;
    if (query != GLUT_GAME_MODE_POSSIBLE || !requestUsable) return 0;
    DEVMODEA mode = modeFor(requested);
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN | CDS_TEST) == DISP_CHANGE_SUCCESSFUL;
}

int glutEnterGameMode() {
    if (!requestUsable || active) return 0;
    DEVMODEA mode = modeFor(requested);
    if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) return 0;
    active = true;
    static const bool restoreAtExit = std::atexit(restoreDesktopMode) == 0;
    (void)restoreAtExit;
    // A system may accept a mode and leave the screen as it was: the screen's size says.
    if (GetSystemMetrics(SM_CXSCREEN) != requested.width ||
        GetSystemMetrics(SM_CYSCREEN) != requested.height) {
        restoreDesktopMode();
        return 0;
    }
    return createGlutWindow(0, glutProgramName(), 0, 0, requested.width, requested.height, true);
}
