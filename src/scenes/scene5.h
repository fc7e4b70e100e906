// Scene 5, the closing credits: four credit pictures fly into the corners, rest, and slide
// out while the title fades in. The timing and placement rules are GL-free so they can be
// checked on their own.
#pragma once
#include <GL/gl.h>

// Key times in units of the scene's progress.
inline constexpr float codeCardStart = 0.11f;
inline constexpr float tobbinCardStart = 0.14f;
inline constexpr float musicCardStart = 0.245f;
inline constexpr float mirrelCardStart = 0.275f;
inline constexpr float outroStart = 0.395f;

// Spans measured from the keys, as floats like the keys themselves.
inline constexpr float creditFlightSpan = 0.04f; // key to landing
inline constexpr float joltEndSpan = 0.055f;     // key to the end of the landing jolt
inline constexpr float creditDrawnAfterOutro = 0.05f;
inline constexpr float openingFlashEnd = 0.2f;

inline constexpr int creditPictureCount = 4;

struct CreditPicture {
    const GLuint* texture; // handles are only known after start-up, so the table points
    float key;
    float flightX, flightY; // velocity from the centre, per unit of scene time
    float restX, restY;     // where the flight ends: flight velocity times the flight span
    float slideX, slideY;   // slide-out velocity, applied after the rest scale
};
extern const CreditPicture creditPictures[creditPictureCount];

// Where and how large one picture is drawn in the overlay frame.
struct CreditPlacement {
    bool drawn;
    bool resting;
    float x, y;           // first translation
    float scale;          // uniform scale after it
    float slideX, slideY; // second translation, after the scale (0 unless sliding out)
};
CreditPlacement placeCreditPicture(const CreditPicture& picture, float sceneTime);

// Inside one of the four landing jolts (strict on both ends).
bool landingJoltActive(float sceneTime);
bool titleShown(float sceneTime);
bool openingFlashShown(float sceneTime);
// The grey the next frame is cleared with: 0.2 falling to black over the scene.
float scene5ClearGrey(float sceneTime);
// The grey the backdrop and the textured cube fade with once the outro has begun.
float outroFade(float sceneTime);
