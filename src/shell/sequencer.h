// The display callback: keeps the music going, reads the demo clock, picks the scene and
// draws it; ends the show after the last scene.
#pragma once

// The first frame's clock reading, latched behind bit 0 of demoFlags.
extern double demoStartMs;
extern unsigned demoFlags;
inline constexpr unsigned demoStartLatched = 1u;

void display();
// Draws scene 1 ... 5 from elapsedMs, printing its progress where the scene table says so.
void renderScene(unsigned scene, double elapsedMs);
