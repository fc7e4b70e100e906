#include "programs/web/page_controls.h"

#include "show/guarded.h"
#include "show/scene_table.h"
#include "show/show_clock.h"
#include "viewer/viewer_controls.h"
#include "viewer/viewer_jumps.h"

#include <GL/freeglut.h>
#include <cstdint>
#include <emscripten.h>
#include <string_view>

EM_JS(void, showStateToPage, (double showMs, int paused), {
    if (Module.onShowState) Module.onShowState(showMs, paused ? true : false);
});

void reportShowState() {
    showStateToPage(showTimeAtLastReading(), showTimePaused() ? 1 : 0);
}

// Each control is done from a timer at once, as the viewer's keys are: one may end the show,
// and the program's end unwinds through whatever called it, which must not be the page's
// event listener.
template <void (*control)(int)> static void later(int value) {
    glutTimerFunc(0, guarded<control, int>, value);
}

static void playOrPause(int) {
    togglePause();
    reportShowState();
}

static void jump(int which) {
    jumpShow(static_cast<ViewerJump>(which));
    reportShowState();
}

// A moment and how to hold it, in one timer value: the moment times 4, plus 0 to play on
// from it, 1 to hold it paused, 2 to stay as the show is.
static void goTo(int value) {
    const auto showMs = static_cast<std::uint32_t>(value / 4);
    const int hold = value % 4;
    showMoment(showMs, hold == 2 ? showTimePaused() : hold == 1);
    reportShowState();
}

static void end(int) {
    keyboard(27, 0, 0);
}

extern "C" {

// Space, K, the Play and Pause button, a click on the picture.
EMSCRIPTEN_KEEPALIVE void pagePlayOrPause() {
    later<playOrPause>(0);
}

// One of the viewer's jumps by its name: "back5s", "forward5s", "sceneStart" (Previous
// scene), "nextScene", "toStart"; any other name does nothing.
EMSCRIPTEN_KEEPALIVE void pageJump(const char* name) {
    static constexpr std::string_view names[] = {"back5s", "forward5s", "sceneStart", "nextScene",
                                                 "toStart"};
    static constexpr ViewerJump jumps[] = {ViewerJump::back5s, ViewerJump::forward5s,
                                           ViewerJump::sceneStart, ViewerJump::nextScene,
                                           ViewerJump::toStart};
    for (int i = 0; i < 5; ++i)
        if (names[i] == name) later<jump>(static_cast<int>(jumps[i]));
}

// The timeline, the digits, the lock screen's seek and a changed address: the moment at
// showMs (the show's end and past it end the show), paused (1), playing on (0), or as the
// show is (-1), as the jumps do.
EMSCRIPTEN_KEEPALIVE void pageGoTo(double showMs, int paused) {
    const double ms = showMs < 0 ? 0 : showMs > showEndMs ? showEndMs : showMs;
    later<goTo>(static_cast<int>(ms) * 4 + (paused < 0 ? 2 : paused != 0 ? 1 : 0));
}

// Esc: the end, at once.
EMSCRIPTEN_KEEPALIVE void pageEnd() {
    later<end>(0);
}

// Where scene 1 ... 5 starts; 6 is the show's end. The timeline's chapters and the digit
// keys take them from here.
EMSCRIPTEN_KEEPALIVE double pageSceneStartMs(int scene) {
    return sceneStartMs(scene);
}
}
