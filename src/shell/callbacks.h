// The GLUT callbacks besides display, and the way out on a signal.
#pragma once

void reshape(int width, int height);
// Esc ends the show; Space pauses and resumes it (see viewer_controls.h).
void keyboard(unsigned char key, int x, int y);
void idle();

// SIGINT, SIGTERM and SIGHUP end the show through exit(0) from the main loop, so that GLUT
// puts the desktop's own screen mode back. SIGPIPE is ignored: a lost reader of the
// progress lines must not stop the show.
void installQuitSignals();
// Whether one of those signals has arrived and the show is still to end.
bool quitWasRequested();
