// Scene 4: three lit tile rings, a picture veil, the 384-box structure, the cube-ring
// overlay and a closing white veil. It keeps no state between frames.
#pragma once
#include <GL/gl.h>

// Both are directional (w = 0) and handed over while the modelview is the identity, so they
// are directions in eye space. The second one is the last the show ever gives light 0.
inline constexpr GLfloat firstLightPos[4] = {-30, 90, -80, 0};
inline constexpr GLfloat secondLightPos[4] = {70, 90, -80, 0};

// The near-black the scene clears the next frame with.
inline constexpr float scene4ClearGrey = 0.05f;

// The white veil is added only strictly after this point of the scene.
inline constexpr float whiteVeilStart = 0.8f;

// Levels, passes and boxes of the box structure.
inline constexpr int boxLevels = 8;
inline constexpr int boxPasses = 4;
inline constexpr int boxesPerRing = 12;

bool whiteVeilShown(float sceneTime);
// The veil's grey, (sceneTime - 0.8) * 5.
float whiteVeilGrey(float sceneTime);
