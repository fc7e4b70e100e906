// Drawing a plan of frames through the show's own display routine.
#pragma once
#include "capture/frame_times.h"

#include <functional>
#include <vector>

enum class StepsOutcome { done, interrupted, failed };

// Draws every step with the show's clock standing at its millisecond. Kept steps are handed
// to keep (which returns false on a failure) before the next one is drawn, with the
// milliseconds the frame took; with finishEach every frame is finished in GL first, so
// that time is the whole frame's. Progress counts all steps, since the unkept ones
// cost the same time to draw.
StepsOutcome drawSteps(const std::vector<FrameStep>& plan, bool finishEach,
                       const std::function<bool(const FrameStep&, double drawMs)>& keep);

// Milliseconds from the process's start to the end of its first drawn frame; negative
// before one is drawn.
double startUpMs();
