// Which GLUT special key a Windows key is: the virtual-key codes of the keys GLUT names (as
// Windows numbers them) beside GLUT's numbers. Without windows.h or GL, so the table can be
// checked on any machine; the Windows build checks it against both headers as well.
#pragma once

struct SpecialKeyPair {
    unsigned virtualKey;
    int glutKey;
};

inline constexpr SpecialKeyPair specialKeyPairs[] = {
    {0x25, 0x0064}, // VK_LEFT, GLUT_KEY_LEFT
    {0x26, 0x0065}, // VK_UP, GLUT_KEY_UP
    {0x27, 0x0066}, // VK_RIGHT, GLUT_KEY_RIGHT
    {0x28, 0x0067}, // VK_DOWN, GLUT_KEY_DOWN
    {0x21, 0x0068}, // VK_PRIOR, GLUT_KEY_PAGE_UP
    {0x22, 0x0069}, // VK_NEXT, GLUT_KEY_PAGE_DOWN
    {0x24, 0x006A}, // VK_HOME, GLUT_KEY_HOME
    {0x23, 0x006B}, // VK_END, GLUT_KEY_END
};

// GLUT's number for the key, or 0 for a key that is not special to GLUT (a character key
// arrives as a character instead: Esc as 27, Space as ' ').
constexpr int glutSpecialKey(unsigned virtualKey) {
    for (const SpecialKeyPair& pair : specialKeyPairs)
        if (pair.virtualKey == virtualKey) return pair.glutKey;
    return 0;
}
