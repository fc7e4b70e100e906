#include "shell/startup.h"

#include "assets/texture_set.h"
#include "draw/random.h"
#include "shell/callbacks.h"
#include "shell/display_mode.h"
#include "shell/music_routines.h"
#include "shell/sequencer.h"

#include <GL/freeglut.h>

void initDemo() {
    seedRandom(14);
    glClearColor(0, 0, 0, 1);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_COLOR_MATERIAL);
    loadTextureSet();
    openMusic();
}

int runShow(int argc, char** argv) {
    glutInit(&argc, argv); // takes out GLUT's own options before argv[1] is looked at
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGB);
    openDisplay(chooseDisplay(argc, argv));
    glutSetCursor(GLUT_CURSOR_NONE);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(keyboard);
    glutIdleFunc(idle);
    initDemo();
    installQuitSignals();
    glutMainLoop();
    return 0;
}
