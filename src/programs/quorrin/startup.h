// The show's own program: GLUT, the display (a game mode, a full-screen window with the
// show's window between black bars, or the -w window), the callbacks, initDemo, the
// signals, GLUT's loop.
#pragma once

// Everything main does; never returns (the show ends through exit).
int runShow(int argc, char** argv);
