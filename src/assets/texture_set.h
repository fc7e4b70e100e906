// The show's 29 pictures, loaded once at start-up in a fixed order.
#pragma once
#include <GL/gl.h>

extern GLuint texNoise4, texNoise, texCube, texBankin1, texBack2, texBack2Scene3, texShine2,
    texCode, texMusic, texTobbin, texMirrel, tex2005, texGreeting, texPollick, texVistrel,
    texMundelo, texKalvendo, texFerrowen, texGrumet, texHollin, texQuillet, texTitle, texTondra,
    texBrisel, texSarvent, texString, texRock, texOrvetParty, texSummer;

struct TextureFile {
    const char* path;
    GLuint* handle;
};

inline constexpr int textureSetSize = 29;
extern const TextureFile textureFiles[textureSetSize]; // in load order

void loadTextureSet();
