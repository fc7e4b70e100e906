// The show's lasting state apart from its drawing: the random sequence and everything the
// scenes carry from frame to frame. Carrying it through a list of frame times without
// drawing leaves it exactly as drawing those frames would, so any moment can be reached at
// once: reset, then advance.
#pragma once
#include <cstdint>

// The rate of the run from the start that a jump or a page's moment is carried
// through, since what the show looks like at a moment depends on the frames before it.
inline constexpr std::uint32_t carryFrameRate = 60;

// As at start-up: the random generator reseeded with 14, every table and latch empty, and
// the GL state the frames hand on back to black and light 0's default.
void resetShowState();

// One frame at elapsedMs (show time), stepped but not drawn: no GL call, nothing printed.
// Times at or past the end of the show change nothing.
void advanceShowFrame(double elapsedMs);

// Advances through every frame that a run at fps draws at or after fromMs and before toMs:
// the frames a capture or a jump does not draw.
void carryShowBetween(std::uint32_t fromMs, std::uint32_t toMs, std::uint32_t fps);

// Reset, then advance through every frame that a run at fps from the start draws before
// showMs, so that a frame drawn at showMs shows what that run would show there.
void carryShowTo(std::uint32_t showMs, std::uint32_t fps);
