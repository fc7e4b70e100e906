// The show in a browser: the canvas is GLUT's window, the frame is the show's own, the page's
// keys and controls reach the viewer's routines (page_controls.h), and the page's address
// picks the moment (page_address.h). The page starts the program once its files are in and
// the person has started it (page/page.js); index.html#bench runs the benchmark instead
// (web_bench.h).
#include "programs/web/canvas_placement.h"
#include "programs/web/page_address.h"
#include "programs/web/page_controls.h"
#include "programs/web/web_bench.h"
#include "show/guarded.h"
#include "show/init_demo.h"
#include "show/sequencer.h"
#include "show/show_clock.h"
#include "viewer/frame_loop.h"
#include "viewer/viewer_controls.h"
#include "viewer/viewer_window.h"

#include <GL/freeglut.h>
#include <emscripten/em_js.h>
#include <emscripten/html5.h>
#include <string>

// The frames shown so far and the moment of the latest, on the canvas as data-frames and
// data-show-ms: a page that waits for the picture (a test, a screenshot) knows it is there.
EM_JS(void, markFrameShown, (int count, double showMs), {
    Module.canvas.dataset.frames = count;
    Module.canvas.dataset.showMs = showMs;
});

// The page takes the keys itself (page/controls.js) and hands the show's to the viewer's
// routines (page_controls.h): GLUT's key listener would keep from the browser every key it
// knows, Tab and F5 among them. Its touch listeners only turn touches into mouse events the
// show has no use for, and, on the window where browsers make them passive, fail to cancel
// each touch with a console error.
EM_JS(void, leaveKeysAndTouchesToPage, (), {
    window.removeEventListener("touchstart", GLUT.touchHandler, true);
    window.removeEventListener("touchmove", GLUT.touchHandler, true);
    window.removeEventListener("touchend", GLUT.touchHandler, true);
    window.removeEventListener("keydown", GLUT.onKeydown, true);
    window.removeEventListener("keyup", GLUT.onKeyup, true);
});

static void drawFrame() {
    display();
    static int shown = 0;
    markFrameShown(++shown, showTimeAtLastReading());
    reportShowState();
}

static void fitCanvas() {
    int width = 0, height = 0;
    sizeCanvasToWindow(width, height);
    placePictureOnCanvas(width, height);
    glutPostRedisplay();
}

static EM_BOOL windowResized(int, const EmscriptenUiEvent*, void*) {
    fitCanvas();
    return EM_TRUE;
}

static int startPage(int argc, char** argv) {
    initViewer(argc, argv);
    leaveKeysAndTouchesToPage();
    glutCreateWindow(viewerTitle);
    const PageAddress address = readPageAddress(argc > 1 ? argv[1] : "");
    if (address.hd) liftPictureCap();
    int width = 0, height = 0;
    sizeCanvasToWindow(width, height);
    // GLUT's main loop reshapes once with the canvas's size before the first frame.
    glutReshapeFunc(guarded<placePictureOnCanvas, int, int>);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE,
                                   windowResized);
    if (address.bench) {
        initDemo();
        startBench();
    } else {
        glutDisplayFunc(guarded<drawFrame>);
        startShowInCurrentWindow();
        showMoment(address.ms, address.paused);
    }
    glutMainLoop(); // hands the page back to the browser; GLUT's callbacks run from there
    return 0;
}

int main(int argc, char** argv) {
    return runGuarded("quorrin", startPage, argc, argv);
}

// The page's script reads its address as the program does, before starting it
// (page_address.h).
extern "C" EMSCRIPTEN_KEEPALIVE const char* pageAddressJson(const char* fragment) {
    static std::string json;
    json = pageAddressJson(readPageAddress(fragment));
    return json.c_str();
}

// The screen's pixel density changed without a resize (the window moved to another
// monitor): the canvas takes its new device pixels.
extern "C" EMSCRIPTEN_KEEPALIVE void pageFitCanvas() {
    fitCanvas();
}

// The page's picture must be drawn again though the show stands still: the GL layer has
// just remade what a lost context took.
extern "C" EMSCRIPTEN_KEEPALIVE void pageRedraw() {
    redrawShow();
}
