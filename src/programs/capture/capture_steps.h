// Drawing a plan of frames through the show's own frame routine.
#pragma once
#include "programs/capture/frame_times.h"

#include <functional>
#include <vector>

enum class StepsOutcome { done, interrupted, failed };

// Draws the plan's frames in order, each with the show's clock standing at its millisecond,
// after carrying the show through the frames of a run at fps that are not drawn; hands each
// to keep (which returns false on a failure) before the next one, with the milliseconds the
// frame took. With finishEach every frame is finished in GL first, so that time is the
// whole frame's.
StepsOutcome drawSteps(const std::vector<FrameStep>& plan, std::uint32_t fps, bool finishEach,
                       const std::function<bool(const FrameStep&, double drawMs)>& keep);

// Milliseconds from the process's start to the end of its first drawn frame; negative
// before one is drawn.
double startUpMs();
