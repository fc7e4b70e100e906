// The window the show is seen in, set up with GLUT the same way by every program that shows
// it live.
#pragma once

inline constexpr const char* viewerTitle = "quorrin";

// glutInit, which takes GLUT's own options out of the command line, and the display mode of
// every window the show draws in: double-buffered RGB with a depth buffer.
void initViewer(int& argc, char** argv);

// The current window's keys and status go to the viewer (takeViewerKeys, windowStatus).
void watchViewerWindow();

// The current window becomes the one the show draws in: watched as above, the show's GL
// state and files set up (initDemo), frames asked for back to back. Its display and reshape
// callbacks are the caller's.
void startShowInCurrentWindow();
