#include "shell/viewer_controls.h"

#include "scenes/frame_carry.h"
#include "shell/callbacks.h"
#include "shell/guarded.h"
#include "shell/music_routines.h"
#include "shell/scene_table.h"
#include "shell/sequencer.h"
#include "shell/show_state.h"
#include "shell/viewer_jumps.h"

#include <GL/freeglut.h>
#include <cstdlib>

// A jump lands where a run at this rate from the start would be.
static constexpr unsigned jumpFrameRate = 60;
// While paused nothing is drawn and GLUT sleeps until an event; this slow timer only notices
// a quit signal, which does not wake GLUT by itself.
static constexpr unsigned pausedQuitPollMs = 100;
static int pauseCount;

static void whilePaused(int pause) {
    if (quitWasRequested()) std::exit(0);
    // A timer of an earlier pause, resumed since, ends here.
    if (showTimePaused() && pause == pauseCount)
        glutTimerFunc(pausedQuitPollMs, guarded<whilePaused, int>, pause);
}

void togglePause() {
    if (!showTimePaused()) {
        pauseShowTime();
        pauseMusic();
        glutIdleFunc(nullptr);
        glutTimerFunc(pausedQuitPollMs, guarded<whilePaused, int>, ++pauseCount);
        return;
    }
    resumeShowTime();
    playMusicFrom(static_cast<std::uint32_t>(showTimeNow()));
    glutIdleFunc(guarded<idle>);
}

static void jumpTo(std::uint32_t showMs) {
    if (showMs >= showEndMs) endShow();
    carryShowTo(showMs, jumpFrameRate);
    restoreCarriedGlState();
    setShowTime(showMs);
    // Paused, the music waits for the resume, which starts it from the paused moment.
    if (!showTimePaused()) playMusicFrom(showMs);
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
