#include "platform/web/web_bench.h"

#include "capture/bench_report.h"
#include "shell/frame_grid.h"
#include "shell/guarded.h"
#include "shell/scene_table.h"
#include "shell/sequencer.h"
#include "shell/show_clock.h"

#include <GL/freeglut.h>
#include <cstdint>
#include <cstdio>
#include <emscripten.h>
#include <emscripten/html5.h>
#include <vector>

static constexpr std::uint32_t benchFrameRate = 60;
static std::uint32_t nextFrame;
static std::vector<std::vector<double>> frameMs(sceneCount);

static void benchFrame() {
    const std::uint32_t ms = frameTimeMs(nextFrame++, benchFrameRate);
    if (ms >= showEndMs) {
        glutIdleFunc(nullptr);
        int width = 0, height = 0;
        emscripten_get_canvas_element_size("#canvas", &width, &height);
        std::printf("quorrin --bench: %dx%d, %u fps, 0 to %.0f ms (each frame drawn and finished, "
                    "nothing read back)\n%s",
                    width, height, benchFrameRate, showEndMs, formatBenchTable(frameMs).c_str());
        std::fflush(stdout);
        return;
    }
    // Paused, the show's time is whatever it is set to and no clock is read: the frame
    // times are exact, as the capture's virtual clock makes them.
    setShowTime(ms);
    const double start = emscripten_get_now();
    drawShowFrame();
    glFinish();
    frameMs[static_cast<std::size_t>(chooseScene(ms) - 1)].push_back(emscripten_get_now() - start);
    glutSwapBuffers();
}

void startBench() {
    pauseShowTime();
    glutDisplayFunc([] {});
    glutIdleFunc(guarded<benchFrame>);
}
