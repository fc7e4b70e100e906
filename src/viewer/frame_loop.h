// When frames are drawn. While the show runs and its windows are seen, GLUT's idle routine
// asks for the next frame at once, so frames come back to back. Paused, nothing is drawn;
// hidden (minimised, or wholly covered), GLUT draws nothing. Then a slow timer watches
// instead: for a quit signal, and for the show's end, which comes at 80 s of show time
// whether or not a frame is drawn to notice it.
#pragma once

// The window the show draws in: idle asks it for each next frame, and its being covered
// (not the bars' around it) stops the frames.
void setDrawingWindow(int window);

// The idle callback: posts the next frame; a quit signal ends the show here.
void idle();

// Asks for one frame of the show's window, also while it stands still (paused).
void redrawShow();

// GLUT's window-status callback, for each of the show's windows.
void windowStatus(int state);

// Starts or stops the back-to-back frames after the show was paused or resumed.
void updateFrameLoop();
