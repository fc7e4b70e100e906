// The five timed scenes. A frame of a scene is two calls with the same progress value: the
// step carries the scene's lasting state (tables filled on first use, the held camera, the
// tower's spin, what GL keeps for the next frame) forward to that moment without any GL
// call, then the draw draws the frame from that state and sceneTime alone. Stepping without
// drawing carries the show to any moment exactly as drawing it there would.
#pragma once

void stepScene1(float sceneTime);
void stepScene2(float sceneTime);
void stepScene3(float sceneTime);
void stepScene4(float sceneTime);
void stepScene5(float sceneTime);

void drawScene1(float sceneTime);
void drawScene2(float sceneTime);
void drawScene3(float sceneTime);
void drawScene4(float sceneTime);
void drawScene5(float sceneTime);

// Every scene's lasting state back as it is at start-up: the sprite tables, scene 2's box
// table and camera latches, scene 3's spin and beats, and the GL state carried between
// frames. The random sequence is the shell's to reseed.
void resetSceneStates();
