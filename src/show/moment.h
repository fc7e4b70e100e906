// Going to a moment of the show: what a run from the start at carryFrameRate shows there,
// with the music playing from there or, paused, waiting for the resume.
#pragma once
#include <cstdint>

// Carried to showMs (show_state.h), the show time set to it, the music moved: a moment at or
// past the show's end ends the show as its end does. paused holds the show still there (the
// music paused); otherwise it plays on from there.
void goToMoment(std::uint32_t showMs, bool paused);
