// Where the frames of a capture fall on the show's clock, and which of them are drawn.
// The show's clock counts whole milliseconds, so a frame rate that does not divide 1000
// puts frames between two readings: each is drawn at the nearest whole millisecond.
#pragma once
#include "shell/frame_grid.h"

#include <cstdint>
#include <vector>

// The first frame drawn at or after ms.
std::uint32_t firstFrameAtOrAfter(std::uint32_t ms, std::uint32_t fps);

// One frame of the show: the clock reading it sees and whether its picture is kept. Frames
// that are not kept are only carried forward, not drawn, so that the show's state (the
// tables filled on first use, the camera held between moves, the angle turned frame by
// frame) is what it would be at the kept frames.
struct FrameStep {
    std::uint32_t ms;
    bool kept;
    std::uint32_t frame; // the index on the fps grid; for a still off the grid, the next one
};

// Every grid frame from 0 up to the range [fromMs, toMs), keeping those inside it. Empty
// when no frame falls inside.
std::vector<FrameStep> planRange(std::uint32_t fromMs, std::uint32_t toMs, std::uint32_t fps);

// The stills in time order (repeats dropped), each drawn at exactly its millisecond after
// every grid frame before it.
std::vector<FrameStep> planStills(std::vector<std::uint32_t> stillsMs, std::uint32_t fps);

// How many steps of a plan are kept.
std::uint32_t keptCount(const std::vector<FrameStep>& plan);
