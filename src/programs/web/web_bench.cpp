#include "programs/web/web_bench.h"

#include "show/bench_report.h"
#include "show/frame_grid.h"
#include "show/guarded.h"
#include "show/scene_table.h"
#include "show/sequencer.h"
#include "show/show_clock.h"

#include <GL/freeglut.h>
#include <cstdint>
#include <cstdio>
#include <emscripten.h>
#include <emscripten/html5.h>

static constexpr std::uint32_t benchFrameRate = 60;
static std::uint32_t nextFrame;
static BenchTimes times;

static void report() {
    int width = 0, height = 0;
    emscripten_get_canvas_element_size("#canvas", &width, &height);
    const BenchRun run{"quorrin",
                       width,
                       height,
                       pictureAreaFor(width, height),
                       benchFrameRate,
                       0,
                       static_cast<std::uint32_t>(showEndMs),
                       0,
                       reinterpret_cast<const char*>(glGetString(GL_RENDERER))};
    std::printf("%s", benchReport(run, times).c_str());
    std::fflush(stdout);
}

static void benchFrame() {
    const std::uint32_t ms = frameTimeMs(nextFrame++, benchFrameRate);
    if (ms >= showEndMs) {
        glutIdleFunc(nullptr);
        report();
        return;
    }
    // Paused, the show's time is whatever it is set to and no clock is read: the frame
    // times are exact, as the capture's virtual clock makes them.
    setShowTime(ms);
    const double start = emscripten_get_now();
    drawShowFrame();
    glFinish();
    keepBenchFrame(times, ms, emscripten_get_now() - start);
    glutSwapBuffers();
}

void startBench() {
    pauseShowTime();
    glutDisplayFunc([] {});
    glutIdleFunc(guarded<benchFrame>);
}
