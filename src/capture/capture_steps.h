// Drawing a plan of frames through the show's own display routine.
#pragma once
#include "capture/frame_times.h"

#include <functional>
#include <vector>

enum class StepsOutcome { done, interrupted, failed };

// Goes through the plan in order: a step that is not kept only carries the show's state
// forward (no drawing); a kept one is drawn with the show's clock standing at its
// millisecond and handed to keep (which returns false on a failure) before the next one,
// with the milliseconds the frame took; with finishEach every frame is finished in GL
// first, so that time is the whole frame's. Progress counts the kept steps.
StepsOutcome drawSteps(const std::vector<FrameStep>& plan, bool finishEach,
                       const std::function<bool(const FrameStep&, double drawMs)>& keep);

// Milliseconds from the process's start to the end of its first drawn frame; negative
// before one is drawn.
double startUpMs();
