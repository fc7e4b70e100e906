// How the show is put on the screen, chosen from the first command-line argument.
#pragma once

enum class DisplayChoice { gameMode1024, gameMode640, window800 };

inline constexpr int windowWidth = 800;
inline constexpr int windowHeight = 600;
inline constexpr int windowX = 1124;
inline constexpr int windowY = 100;

// Looks only at the first two characters of argv[1]: "-v" the 640x480 game mode, "-w" the
// 800x600 window, anything else (or nothing) the 1024x768 game mode.
DisplayChoice chooseDisplay(int argc, char** argv);

struct WindowPlace {
    int x;
    int y;
};

// The window's place: (1124, 100) where the whole window fits on the screen, otherwise
// moved just enough to lie on it (a window wholly off screen is never drawn).
WindowPlace placeWindow(int screenWidth, int screenHeight);

// Puts the show on the screen: the game mode, or the window. Where the game mode cannot be
// entered, a full-screen window on the current screen stands in for it.
void openDisplay(DisplayChoice choice);
