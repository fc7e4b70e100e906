// The display callback: keeps the music going, reads the show time, picks the scene and
// draws it; ends the show after the last scene.
#pragma once
#include "shell/show_clock.h"

void display();
// Draws scene 1 ... 5 from elapsedMs, printing its progress where the scene table says so:
// the scene's step carries its state to the moment, then its draw draws the frame.
void renderScene(unsigned scene, double elapsedMs);
// What the show does when its time is up: stops and closes the music, exits with status 0.
[[noreturn]] void endShow();
