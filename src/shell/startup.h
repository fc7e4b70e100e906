// The native program's start: GLUT, the display (a game mode, a full-screen window with its
// picture window, or the -w window), the callbacks, initDemo, the signals, GLUT's loop.
#pragma once

// Everything main does; never returns (the show ends through exit).
int runShow(int argc, char** argv);
