// The show in a browser: the canvas is GLUT's window, the frame is the shell's own display
// callback, the keys are the viewer's, and the page's address picks the moment
// (page_moment.h). The page starts the program once its files are in and the person has
// started it (web/page.js); index.html#bench runs the benchmark instead (web_bench.h).
#include "platform/web/page_moment.h"
#include "platform/web/web_bench.h"
#include "platform/web/web_picture.h"
#include "shell/display_mode.h"
#include "shell/frame_loop.h"
#include "shell/guarded.h"
#include "shell/init_demo.h"
#include "shell/music_routines.h"
#include "shell/projection.h"
#include "shell/sequencer.h"
#include "shell/show_clock.h"
#include "shell/show_state.h"
#include "shell/viewer_controls.h"

#include <GL/freeglut.h>
#include <cmath>
#include <emscripten/em_js.h>
#include <emscripten/html5.h>

// A moment is reached as a run from the start at this rate reaches it, as the native jump
// keys and the capture's stills reach theirs.
static constexpr unsigned carryFrameRate = 60;
static constexpr const char* canvasSelector = "#canvas";

// The frames shown so far and the moment of the latest, on the canvas as data-frames and
// data-show-ms: a page that waits for the picture (a test, a screenshot) knows it is there.
EM_JS(void, markFrameShown, (int count, double showMs), {
    Module.canvas.dataset.frames = count;
    Module.canvas.dataset.showMs = showMs;
});

static void drawFrame() {
    display();
    static int shown = 0;
    markFrameShown(++shown, showTimeAtLastReading());
}

static void placePicture(int canvasWidth, int canvasHeight) {
    const PictureArea picture = fitPictureToCanvas(canvasWidth, canvasHeight);
    // The scenes see a window the picture's size, as in the native full screen.
    reshape(picture.width, picture.height);
}

// The canvas's own pixels are the window's device pixels: a sharp picture on any screen.
static void sizeCanvasToWindow(int& width, int& height) {
    double cssWidth = 0, cssHeight = 0;
    emscripten_get_element_css_size(canvasSelector, &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    width = static_cast<int>(std::lround(cssWidth * ratio));
    height = static_cast<int>(std::lround(cssHeight * ratio));
    emscripten_set_canvas_element_size(canvasSelector, width, height);
}

static EM_BOOL windowResized(int, const EmscriptenUiEvent*, void*) {
    int width = 0, height = 0;
    sizeCanvasToWindow(width, height);
    placePicture(width, height);
    glutPostRedisplay();
    return EM_TRUE;
}

// A key may end the show, and the end of a page's program unwinds it through whatever
// called it: GLUT's key listeners would pass that on to the browser as an error, its timers
// take it in their stride. So a key is handed on from a timer, at once.
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

static void startAt(const PageMoment& moment) {
    glutDisplayFunc(guarded<drawFrame>);
    glutKeyboardFunc(queueKey);
    glutSpecialFunc(queueSpecialKey);
    glutWindowStatusFunc(guarded<windowStatus, int>);
    // The moment as the native jump keys reach theirs: carried, then drawn.
    carryShowTo(moment.ms, carryFrameRate);
    if (moment.paused) pauseShowTime(); // before setting it, so it holds exactly there
    setShowTime(moment.ms);
    if (!moment.paused) playMusicFrom(moment.ms);
    updateFrameLoop();
}

static int startShow(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGB);
    glutCreateWindow(windowTitle);
    int width = 0, height = 0;
    sizeCanvasToWindow(width, height);
    // GLUT's main loop reshapes once with the canvas's size before the first frame.
    glutReshapeFunc(guarded<placePicture, int, int>);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE,
                                   windowResized);
    initDemo();
    setDrawingWindow(glutGetWindow());

    const PageMoment moment = momentFromFragment(argc > 1 ? argv[1] : "");
    if (moment.bench)
        startBench();
    else
        startAt(moment);
    glutMainLoop(); // hands the page back to the browser; GLUT's callbacks run from there
    return 0;
}

int main(int argc, char** argv) {
    return runGuarded("quorrin", startShow, argc, argv);
}
