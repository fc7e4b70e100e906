#include "glut_win32/game_mode_string.h"

#include <cctype>

// Reads decimal digits at text into value (at least one, at most what a screen could mean).
static bool readNumber(const char*& text, int& value) {
    if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
    long long number = 0;
    while (std::isdigit(static_cast<unsigned char>(*text))) {
        number = number * 10 + (*text++ - '0');
        if (number > 100000) return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool parseGameModeString(const char* text, GameModeRequest& request) {
    GameModeRequest read;
    if (text == nullptr || !readNumber(text, read.width) || *text++ != 'x' ||
        !readNumber(text, read.height) || read.width == 0 || read.height == 0)
        return false;
    if (*text == ':' && !readNumber(++text, read.bitsPerPixel)) return false;
    if (*text == '@' && !readNumber(++text, read.refreshHz)) return false;
    if (*text != '\0') return false;
    request = read;
    return true;
}
