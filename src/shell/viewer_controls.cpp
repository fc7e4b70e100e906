#include "shell/viewer_controls.h"

#include "platform/program_exit.h"
#include "shell/frame_loop.h"
#include "shell/music_routines.h"
#include "shell/scene_table.h"
#include "shell/sequencer.h"
#include "shell/show_state.h"
#include "shell/viewer_jumps.h"

#include <GL/freeglut.h>

// A jump lands where a run at this rate from the start would be.
static constexpr unsigned jumpFrameRate = 60;

void keyboard(unsigned char key, int, int) {
    if (key == 27) exitProgram(0);
    if (key == ' ') togglePause();
}

void togglePause() {
    if (!showTimePaused()) {
        pauseShowTime();
        pauseMusic();
    } else {
        resumeShowTime();
        playMusicFrom(static_cast<std::uint32_t>(showTimeNow()));
    }
    updateFrameLoop();
}

static void jumpTo(std::uint32_t showMs) {
    if (showMs >= showEndMs) endShow();
    carryShowTo(showMs, jumpFrameRate);
    setShowTime(showMs);
    // Paused, the music waits for the resume, which starts it from the paused moment.
    if (!showTimePaused()) playMusicFrom(showMs);
    updateFrameLoop(); // a show that stands still looks at its new time
    glutPostRedisplay();
}

struct JumpKey {
    int key;
    ViewerJump jump;
};
static constexpr JumpKey jumpKeys[] = {
    {GLUT_KEY_LEFT, ViewerJump::back5s},        {GLUT_KEY_RIGHT, ViewerJump::forward5s},
    {GLUT_KEY_PAGE_UP, ViewerJump::sceneStart}, {GLUT_KEY_PAGE_DOWN, ViewerJump::nextScene},
    {GLUT_KEY_HOME, ViewerJump::toStart},
};

void specialKey(int key, int, int) {
    for (const JumpKey& jumpKey : jumpKeys)
        if (jumpKey.key == key) jumpTo(jumpTarget(jumpKey.jump, showTimeNow()));
}
