#include "programs/capture/capture_steps.h"

#include "platform/clock_virtual.h"
#include "platform/signals.h"
#include "programs/capture/offscreen.h"
#include "programs/capture/process_stats.h"
#include "programs/capture/progress_report.h"
#include "show/sequencer.h"
#include "show/show_state.h"

#include <chrono>
#include <cstdint>

static double firstFrameMs = -1;

double startUpMs() {
    return firstFrameMs;
}

StepsOutcome drawSteps(const std::vector<FrameStep>& plan, std::uint32_t fps, bool finishEach,
                       const std::function<bool(const FrameStep&, double drawMs)>& keep) {
    // The clock stands still within a frame, and the show's origin is clock 0, so the show's
    // readings during a step are the step's millisecond.
    setVirtualClockStep(0);
    setVirtualClockMs(0);
    setShowTime(0);
    startProgress(static_cast<std::uint32_t>(plan.size()));
    std::uint32_t done = 0;
    std::uint32_t carriedTo = 0; // the show's state is that of a run up to here
    for (const FrameStep& step : plan) {
        if (quitSignal() != 0) {
            endProgress();
            return StepsOutcome::interrupted;
        }
        carryShowBetween(carriedTo, step.ms, fps);
        carriedTo = step.ms + 1;
        const auto start = std::chrono::steady_clock::now();
        setVirtualClockMs(step.ms);
        bindOffscreen();
        drawShowFrame();
        if (finishEach || firstFrameMs < 0) finishOffscreen();
        const double drawMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (firstFrameMs < 0) firstFrameMs = msSinceProcessStart();
        if (!keep(step, drawMs)) {
            endProgress();
            return quitSignal() != 0 ? StepsOutcome::interrupted : StepsOutcome::failed;
        }
        reportProgress(++done);
    }
    endProgress();
    return StepsOutcome::done;
}
