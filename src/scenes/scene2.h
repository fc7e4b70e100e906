// Scene 2's lasting state and its timing rules, the latter kept free of GL so they can be
// checked on their own.
#pragma once

// The box field, drawn from the shared random sequence on the scene's first frame.
inline constexpr int boxCount = 65;
extern float boxX[boxCount];
extern float boxY[boxCount];
extern float boxZ[boxCount];
extern unsigned char boxTableFilled;

// The sideways and vertical camera coordinates: latched on the scene's first frame, each
// behind its own bit of cameraLatchFlags, and afterwards changed only inside a move window.
// Between windows they hold what the last frame inside a window wrote.
extern float camEyeX;
extern float camCenterX;
extern float camEyeY;
extern float camCenterY;
extern unsigned cameraLatchFlags;
inline constexpr unsigned latchEyeX = 1u, latchCenterX = 2u, latchEyeY = 4u, latchCenterY = 8u;
// Depth of the eye, recomputed every frame; the camera always looks at this depth.
extern float camEyeZ;
inline constexpr float camCenterZ = 7900;

// Empties the box table and the camera latches, as they are at start-up.
void resetScene2State();

inline constexpr float baseEyeX = -20, baseCenterX = -10, baseEyeY = 0, baseCenterY = 0;

// The eased camera move whose window holds sceneTime (start <= T < end), if any.
struct CameraMove {
    bool inWindow;
    bool movesX, movesY;
    double offset; // added to the base coordinates that move
};
CameraMove cameraMoveAt(float sceneTime);

// Whether the flat sprite field is drawn: only while T < 0.25 or 0.5 < T < 0.75.
bool spriteFieldShownAt(float sceneTime);

// The colour of the boxes and of the lattice's lines along z: green, blue, red, then grey,
// pulsing between 0 and 2/3.
struct BoxColour {
    double red, green, blue;
};
BoxColour boxColourAt(float sceneTime);

// The grey of the lattice's lines along y: white until T passes 0.8 (compared as a double),
// then pulsing.
double latticeLineGreyAt(float sceneTime);
// Whether the floor panels have begun to fade: T above 0.8 compared as a float, so the float
// nearest 0.8 still shows them at full brightness while the lattice already pulses.
bool panelsFadingAt(float sceneTime);
