// Scene 3, the greetings: its beat table, the tower's frame-to-frame spin and the greeting
// cards, with the pure rules behind them kept free of GL so they can be checked directly.
#pragma once
#include <GL/gl.h>

inline constexpr int beatCount = 15;
inline constexpr int greetingCardCount = 12;

// The tower's base speed in degrees per unit of scene time (72 degrees over the scene).
inline constexpr float towerSpinBase = 72;
// Extra speeds chosen for the frame after one that lies inside a beat window.
inline constexpr float cardBeatBoost = 1440;
inline constexpr float flashBeatBoost = 2000;
// Beats from this index on have no card; they flash the screen white instead.
inline constexpr int firstFlashBeat = 12;
// How long a greeting card stays on after its beat, in scene time.
inline constexpr float greetingCardSpan = 0.15f;

// Scene statics: they live for the whole run and are never reset.
extern float towerSpinAngle; // degrees, grows every frame, never wrapped
extern float lastSpinTime;   // sceneTime of the previous frame
extern float towerSpinBoost; // chosen in one frame, used in the next
extern bool lastSpinTimeLatched;
extern float beatTimes[beatCount];
extern bool beatTimesFilled;

struct GreetingCard {
    const GLuint* texture; // handles are only known after start-up, so the table points
    float x, y;            // centre in the greeting frame, -230..230 by -200..200
};
extern const GreetingCard greetingCards[greetingCardCount];

// The beat instants, each summed in double from the float phrase starts and offsets and
// then rounded once to float.
void computeBeatTimes(float beats[beatCount]);
// The length of beat k's window (0.01 or 0.007 of the scene).
float beatWindowLength(int k);
// Strictly inside beat k's window: a frame at the beat instant itself is not.
bool insideBeatWindow(const float beats[beatCount], int k, float sceneTime);
// Strictly inside card i's span after its beat.
bool greetingCardShown(const float beats[beatCount], int i, float sceneTime);

struct SpinChoice {
    float boost;
    bool flash;
};
// The boost the next frame turns the tower with, and whether this frame flashes white.
SpinChoice chooseSpinBoost(const float beats[beatCount], float sceneTime);
// angle + delta * (boost + base), worked in double and kept as float.
float advanceSpinAngle(float angle, float delta, float boost);

// A frame's bookkeeping, before it is drawn: latch, advance the angle with the previous
// frame's boost, fill the beats.
void updateTowerSpin(float sceneTime);
// Then: stores the next frame's boost; true when this frame flashes.
bool chooseNextTowerSpinBoost(float sceneTime);

// The statics as they are at start-up: angle, boost and latches zero, no beats.
void resetScene3State();
