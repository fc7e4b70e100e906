// The show in a browser: the canvas is GLUT's window, the frame is the show's own, the keys
// are the viewer's, and the page's address picks the moment (page_address.h). The page
// starts the program once its files are in and the person has started it (page/page.js);
// index.html#bench runs the benchmark instead (web_bench.h).
#include "programs/web/canvas_placement.h"
#include "programs/web/page_address.h"
#include "programs/web/web_bench.h"
#include "show/guarded.h"
#include "show/init_demo.h"
#include "show/sequencer.h"
#include "show/show_clock.h"
#include "viewer/viewer_controls.h"
#include "viewer/viewer_window.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <emscripten/em_js.h>
#include <emscripten/html5.h>
#include <string>

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

static EM_BOOL windowResized(int, const EmscriptenUiEvent*, void*) {
    int width = 0, height = 0;
    sizeCanvasToWindow(width, height);
    placePictureOnCanvas(width, height);
    glutPostRedisplay();
    return EM_TRUE;
}

static int startPage(int argc, char** argv) {
    initViewer(argc, argv);
    glutCreateWindow(viewerTitle);
    int width = 0, height = 0;
    sizeCanvasToWindow(width, height);
    // GLUT's main loop reshapes once with the canvas's size before the first frame.
    glutReshapeFunc(guarded<placePictureOnCanvas, int, int>);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE,
                                   windowResized);
    const PageAddress address = readPageAddress(argc > 1 ? argv[1] : "");
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

// The page's script reads its address as the program does, before starting it:
// {"ms":..,"paused":..,"bench":..,"stepMs":.. or null}.
extern "C" EMSCRIPTEN_KEEPALIVE const char* pageAddressJson(const char* fragment) {
    static char json[128];
    const PageAddress address = readPageAddress(fragment);
    const std::string step = address.stepped ? std::to_string(address.stepMs) : "null";
    std::snprintf(json, sizeof json, "{\"ms\":%u,\"paused\":%s,\"bench\":%s,\"stepMs\":%s}",
                  address.ms, address.paused ? "true" : "false", address.bench ? "true" : "false",
                  step.c_str());
    return json;
}
