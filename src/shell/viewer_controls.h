// The viewer's keys beyond Esc: Space pauses and resumes; Left and Right jump 5 s back and
// forward; Page Up goes to the start of the scene shown (or of the one before, within a
// second of its start), Page Down to the next scene, Home to the start of the show.
#pragma once

// GLUT's keyboard callback: Esc ends the show at once (status 0, the music left as it is);
// Space pauses and resumes. Every other key is ignored.
void keyboard(unsigned char key, int x, int y);

// Space: pauses the show time and the music, and lets the process sleep; or resumes both
// from the paused moment.
void togglePause();

// GLUT's special-key callback: the jump keys. Every other key is ignored.
void specialKey(int key, int x, int y);
