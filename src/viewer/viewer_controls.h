// The viewer's keys beyond Esc: Space pauses and resumes; Left and Right jump 5 s back and
// forward; Page Up goes to the start of the scene shown (or of the one before, within a
// second of its start), Page Down to the next scene, Home to the start of the show.
#pragma once
#include "viewer/viewer_jumps.h"

#include <cstdint>

// GLUT's keyboard callback: Esc ends the show at once (status 0, the music left as it is);
// Space pauses and resumes. Every other key is ignored.
void keyboard(unsigned char key, int x, int y);

// Space: pauses the show time and the music, and lets the process sleep; or resumes both
// from the paused moment.
void togglePause();

// One of the jumps from the show's moment now (viewer_jumps.h), paused or playing as it was:
// what the jump keys do.
void jumpShow(ViewerJump jump);

// GLUT's special-key callback: the jump keys. Every other key is ignored.
void specialKey(int key, int x, int y);

// Shows the moment at showMs (goToMoment), paused or playing on, at once: the frame loop
// follows and the new moment is drawn even where the show stands still.
void showMoment(std::uint32_t showMs, bool paused);

// The keys of the current window: keyboard and specialKey, each handed on from a timer at
// once. A key may end the show, and in a page the program's end unwinds through whatever
// called it: GLUT's key listeners there would pass that on to the browser as an error, its
// timers take it in their stride.
void takeViewerKeys();
