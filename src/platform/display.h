// Whether the program has a screen to open GL windows on, asked before GLUT is, which could
// only abort without one.
#pragma once

// On X: a -display option on the command line, or a DISPLAY that names one.
bool displayReachable(int argc, char** argv);
