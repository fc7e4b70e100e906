#include "assets/texture_set.h"

#include "assets/bitmap_texture.h"

GLuint texNoise4, texNoise, texCube, texBankin1, texBack2, texBack2Scene3, texShine2, texCode,
    texMusic, texTobbin, texMirrel, tex2005, texGreeting, texPollick, texVistrel, texMundelo,
    texKalvendo, texFerrowen, texGrumet, texHollin, texQuillet, texTitle, texTondra, texBrisel,
    texSarvent, texString, texRock, texOrvetParty, texSummer;

// One file a line, in load order.
// clang-format off
const TextureFile textureFiles[textureSetSize] = {
    {"image/pNoise4.bmp", &texNoise4},
    {"image/pNoise.bmp", &texNoise},
    {"image/cube.bmp", &texCube},
    {"image/bankin1.bmp", &texBankin1},
    {"image/back2.bmp", &texBack2},
    {"image/back2_scene3.bmp", &texBack2Scene3},
    {"image/shine2.bmp", &texShine2},
    {"image/code.bmp", &texCode},
    {"image/music.bmp", &texMusic},
    {"image/tobbin.bmp", &texTobbin},
    {"image/mirrel.bmp", &texMirrel},
    {"image/2005.bmp", &tex2005},
    {"image/greeting.bmp", &texGreeting},
    {"image/pollick.bmp", &texPollick},
    {"image/vistrel.bmp", &texVistrel},
    {"image/mundelo.bmp", &texMundelo},
    {"image/KALVENDO.bmp", &texKalvendo},
    {"image/ferrowen.bmp", &texFerrowen},
    {"image/grumet.bmp", &texGrumet},
    {"image/hollin.bmp", &texHollin},
    {"image/quillet.bmp", &texQuillet},
    {"image/title.bmp", &texTitle},
    {"image/tondra.bmp", &texTondra},
    {"image/brisel.bmp", &texBrisel},
    {"image/sarvent.bmp", &texSarvent},
    {"image/string.bmp", &texString},
    {"image/rock.bmp", &texRock},
    {"image/orvetParty.bmp", &texOrvetParty},
    {"image/summer.bmp", &texSummer},
};
// clang-format on

void loadTextureSet() {
    for (const TextureFile& file : textureFiles)
        *file.handle = loadBitmapTexture(file.path);
}
