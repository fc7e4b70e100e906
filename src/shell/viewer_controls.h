// The viewer's keys beyond Esc: Space pauses and resumes; Left and Right jump 5 s back and
// forward; Page Up goes to the start of the scene shown (or of the one before, within a
// second of its start), Page Down to the next scene, Home to the start of the show.
#pragma once

// Space: pauses the show time and the music, and lets the process sleep; or resumes both
// from the paused moment.
void togglePause();

// GLUT's special-key callback: the jump keys. Every other key is ignored.
void specialKey(int key, int x, int y);
