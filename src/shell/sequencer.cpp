#include "shell/sequencer.h"

#include "draw/render_state.h"
#include "platform/clock.h"
#include "scenes/scenes.h"
#include "shell/music_routines.h"
#include "shell/picture_frame.h"
#include "shell/scene_table.h"

#include <GL/freeglut.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

double demoStartMs;
unsigned demoFlags;

static std::uint32_t demoStartReading;

void display() {
    playMusic();
    if ((demoFlags & demoStartLatched) == 0) {
        demoFlags |= demoStartLatched;
        demoStartReading = readClockMs();
        demoStartMs = demoStartReading;
    }
    const double elapsedMs = elapsedBetween(demoStartReading, readClockMs());

    beginPictureFrame();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();

    const int scene = chooseScene(elapsedMs);
    if (scene == 0) {
        stopMusic();
        closeMusic();
        std::exit(0);
    }
    renderScene(static_cast<unsigned>(scene), elapsedMs);
    bindTexture(0);
    presentPictureFrame();
    glutSwapBuffers();
}

void renderScene(unsigned scene, double elapsedMs) {
    if (scene < 1 || scene > sceneCount) return;
    const double progress = sceneProgress(static_cast<int>(scene), elapsedMs);
    if (sceneWindows[scene - 1].printsProgress) std::printf("%f\n", progress);
    const float sceneTime = static_cast<float>(progress);
    switch (scene) {
    case 1:
        drawScene1(sceneTime);
        break;
    case 2:
        drawScene2(sceneTime);
        break;
    case 3:
        drawScene3(sceneTime);
        break;
    case 4:
        drawScene4(sceneTime);
        break;
    case 5:
        drawScene5(sceneTime);
        break;
    }
}
