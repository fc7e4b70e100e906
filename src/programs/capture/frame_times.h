// Which frames of the show a capture draws, and where they fall on the show's clock. The
// clock counts whole milliseconds, so a frame rate that does not divide 1000 puts frames
// between two readings: each is drawn at the nearest whole millisecond.
#pragma once
#include "show/frame_grid.h"

#include <cstdint>
#include <vector>

// One drawn frame: the clock reading it sees, and its index on the fps grid (for a still
// off the grid, the next grid frame's). The frames before it that are not drawn are only
// carried forward, so that the show's state (the tables filled on first use, the camera
// held between moves, the angle turned frame by frame) is what a run from the start holds.
struct FrameStep {
    std::uint32_t ms;
    std::uint32_t frame;
};

// The grid frames inside [fromMs, toMs); empty when none falls inside.
std::vector<FrameStep> planRange(std::uint32_t fromMs, std::uint32_t toMs, std::uint32_t fps);

// The stills in time order (repeats dropped), each at exactly its millisecond.
std::vector<FrameStep> planStills(std::vector<std::uint32_t> stillsMs, std::uint32_t fps);
