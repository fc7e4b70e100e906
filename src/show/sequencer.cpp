#include "show/sequencer.h"

#include "draw/render_state.h"
#include "platform/program_exit.h"
#include "platform/signals.h"
#include "scenes/frame_carry.h"
#include "show/music_routines.h"
#include "show/scene_routines.h"
#include "show/scene_table.h"

#include <GL/freeglut.h>
#include <cstdio>

void drawShowFrame() {
    // Paused, a frame is drawn only when the window needs repainting: the music stays paused.
    const bool running = !showTimePaused();
    if (running) playMusic();
    const double elapsedMs = showTimeNow();
    // Stopped (Ctrl-Z) and continued, the clock went on and the music did not: it is told
    // where the show is.
    if (continuedSinceAsked() && running) playMusicFrom(static_cast<std::uint32_t>(elapsedMs));

    // What the frames before left in GL, as the scenes' steps carried it: a frame after a
    // jump, or after frames only stepped, starts where a drawn run would have. Light 0 is
    // given under the identity, as scene 4 gives it.
    glClearColor(carriedClearGrey, carriedClearGrey, carriedClearGrey, 1);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, carriedLightPosition());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const int scene = chooseScene(elapsedMs);
    if (scene == 0) endShow();
    renderScene(static_cast<unsigned>(scene), elapsedMs);
    bindTexture(0);
}

void display() {
    drawShowFrame();
    glutSwapBuffers();
}

void endShow() {
    stopMusic();
    closeMusic();
    exitProgram(0);
}

void renderScene(unsigned scene, double elapsedMs) {
    if (scene < 1 || scene > sceneCount) return;
    const double progress = sceneProgress(static_cast<int>(scene), elapsedMs);
    if (sceneWindows[scene - 1].printsProgress) std::printf("%f\n", progress);
    const float sceneTime = static_cast<float>(progress);
    sceneRoutines[scene - 1].step(sceneTime);
    sceneRoutines[scene - 1].draw(sceneTime);
}
