#include "show/init_demo.h"

#include "assets/texture_set.h"
#include "draw/random.h"
#include "show/music_routines.h"

#include <GL/gl.h>

void initDemo() {
    seedRandom(14);
    glClearColor(0, 0, 0, 1);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_COLOR_MATERIAL);
    loadTextureSet();
    openMusic();
}
