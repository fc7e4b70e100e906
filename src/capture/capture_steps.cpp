#include "capture/capture_steps.h"

#include "capture/interrupt.h"
#include "capture/offscreen.h"
#include "capture/process_stats.h"
#include "capture/progress_report.h"
#include "platform/clock_virtual.h"
#include "shell/sequencer.h"

#include <chrono>
#include <cstdint>

static double firstFrameMs = -1;

double startUpMs() {
    return firstFrameMs;
}

StepsOutcome drawSteps(const std::vector<FrameStep>& plan, bool finishEach,
                       const std::function<bool(const FrameStep&, double drawMs)>& keep) {
    // The clock stands still within a frame: the show's two readings (its origin on the
    // first frame, then the elapsed time) both see the step's millisecond, so the first
    // frame, at 0, latches the origin at 0.
    setVirtualClockStep(0);
    startProgress(static_cast<std::uint32_t>(plan.size()));
    std::uint32_t done = 0;
    for (const FrameStep& step : plan) {
        if (interruptSignal() != 0) {
            endProgress();
            return StepsOutcome::interrupted;
        }
        const auto start = std::chrono::steady_clock::now();
        setVirtualClockMs(step.ms);
        bindOffscreen();
        display();
        if (finishEach || firstFrameMs < 0) finishOffscreen();
        const double drawMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (firstFrameMs < 0) firstFrameMs = msSinceProcessStart();
        if (step.kept && !keep(step, drawMs)) {
            endProgress();
            return interruptSignal() != 0 ? StepsOutcome::interrupted : StepsOutcome::failed;
        }
        reportProgress(++done);
    }
    endProgress();
    return StepsOutcome::done;
}
