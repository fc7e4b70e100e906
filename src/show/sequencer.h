// The display callback: keeps the music going, reads the show time, picks the scene and
// draws it; ends the show after the last scene.
#pragma once
#include "show/show_clock.h"

// One frame at the show time now, into the framebuffer bound: the carried GL state set, the
// clear, the scene, the neutral texture binding. At or past the end it ends the show instead.
void drawShowFrame();
// The display callback of a window the show draws straight into: the frame, then the swap.
void display();
// Draws scene 1 ... 5 from elapsedMs, printing its progress where the scene table says so:
// the scene's step carries its state to the moment, then its draw draws the frame.
void renderScene(unsigned scene, double elapsedMs);
// What the show does when its time is up: stops and closes the music, exits with status 0.
[[noreturn]] void endShow();
