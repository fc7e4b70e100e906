// Where the viewer's jump keys take the show, worked without GL so the rules can be checked
// on their own.
#pragma once
#include <cstdint>

enum class ViewerJump { back5s, forward5s, sceneStart, nextScene, toStart };

// Jumps move by this much, back or forward.
inline constexpr std::uint32_t jumpStepMs = 5000;
// Within this long of a scene's start, sceneStart goes on to the scene before.
inline constexpr std::uint32_t sceneStartGraceMs = 1000;

// The show time a jump from showMs lands on: never below 0; at or past the show's end for a
// jump beyond it (the show then ends as it does at its end).
std::uint32_t jumpTarget(ViewerJump jump, double showMs);
