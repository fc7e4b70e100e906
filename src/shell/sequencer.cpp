#include "shell/sequencer.h"

#include "draw/render_state.h"
#include "shell/music_routines.h"
#include "shell/picture_frame.h"
#include "shell/scene_routines.h"
#include "shell/scene_table.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

void display() {
    // Paused, a frame is drawn only when the window needs repainting: the music stays paused.
    if (!showTimePaused()) playMusic();
    const double elapsedMs = showTimeNow();

    beginPictureFrame();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();

    const int scene = chooseScene(elapsedMs);
    if (scene == 0) endShow();
    renderScene(static_cast<unsigned>(scene), elapsedMs);
    bindTexture(0);
    presentPictureFrame();
    glutSwapBuffers();
}

void endShow() {
    stopMusic();
    closeMusic();
    std::exit(0);
}

void renderScene(unsigned scene, double elapsedMs) {
    if (scene < 1 || scene > sceneCount) return;
    const double progress = sceneProgress(static_cast<int>(scene), elapsedMs);
    if (sceneWindows[scene - 1].printsProgress) std::printf("%f\n", progress);
    const float sceneTime = static_cast<float>(progress);
    sceneRoutines[scene - 1].step(sceneTime);
    sceneRoutines[scene - 1].draw(sceneTime);
}
