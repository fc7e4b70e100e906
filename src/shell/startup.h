// Start-up: GLUT, the display, the resting GL state, the pictures and the music.
#pragma once

void initDemo();
// Everything main does; never returns (the show ends through exit).
int runShow(int argc, char** argv);
