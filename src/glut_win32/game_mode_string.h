// The screen mode a game-mode string asks for: "WxH", then optionally ":BITS" (colour depth)
// and "@HZ" (refresh rate), as in "1024x768:32@60". Without windows.h or GL, so it can be
// checked on any machine.
#pragma once

struct GameModeRequest {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0; // 0: whatever the screen has
    int refreshHz = 0;    // 0: whatever the screen has
};

// False for anything else (a missing or zero size, a stray character, a number too large):
// then no mode is asked for.
bool parseGameModeString(const char* text, GameModeRequest& request);
