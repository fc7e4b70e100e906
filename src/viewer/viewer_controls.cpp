#include "viewer/viewer_controls.h"

#include "platform/program_exit.h"
#include "show/guarded.h"
#include "show/moment.h"
#include "show/music_routines.h"
#include "show/show_clock.h"
#include "viewer/frame_loop.h"
#include "viewer/viewer_jumps.h"

#include <GL/freeglut.h>

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

void showMoment(std::uint32_t showMs, bool paused) {
    goToMoment(showMs, paused);
    updateFrameLoop();
    redrawShow(); // a show that stands still shows its new time too
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

void jumpShow(ViewerJump jump) {
    showMoment(jumpTarget(jump, showTimeNow()), showTimePaused());
}

void specialKey(int key, int, int) {
    for (const JumpKey& jumpKey : jumpKeys)
        if (jumpKey.key == key) jumpShow(jumpKey.jump);
}

static constexpr int specialKeyFlag = 1 << 16;

static void deliverKey(int key) {
    if ((key & specialKeyFlag) != 0)
        specialKey(key & ~specialKeyFlag, 0, 0);
    else
        keyboard(static_cast<unsigned char>(key), 0, 0);
}

static void queueKey(unsigned char key, int, int) {
    glutTimerFunc(0, guarded<deliverKey, int>, key);
}

static void queueSpecialKey(int key, int, int) {
    glutTimerFunc(0, guarded<deliverKey, int>, key | specialKeyFlag);
}

void takeViewerKeys() {
    glutKeyboardFunc(queueKey);
    glutSpecialFunc(queueSpecialKey);
}
