// The show's timeline: five scene windows of fixed length, in milliseconds of show time.
#pragma once
#include <cstdint>

struct SceneWindow {
    double lengthMs;   // the scene starts where the one before it ends
    double multiplier; // 1 / length, as the double the progress is computed with
    bool printsProgress;
};

inline constexpr int sceneCount = 5;
inline constexpr SceneWindow sceneWindows[sceneCount] = {
    {16600, 6.0240963855421684e-05, true}, {16700, 5.988023952095808e-05, true},
    {16900, 5.9171597633136094e-05, true}, {14000, 7.142857142857143e-05, false},
    {15800, 6.329113924050633e-05, true},
};
inline constexpr double showEndMs = 80000;

// Milliseconds between two readings of a 32-bit counter; a wrap in between still counts
// forward.
double elapsedBetween(std::uint32_t startMs, std::uint32_t nowMs);

// Where scene 1 ... 5 starts, in milliseconds of show time; scene 6 is the show's end.
double sceneStartMs(int scene);

// The scene (1 ... 5) whose window holds elapsedMs, or 0 once the show is over.
int chooseScene(double elapsedMs);

// The scene's progress in double precision (0 at its first millisecond, nearly 1 at its
// end), before it is rounded to the float the scene draws with. Scenes outside 1 ... 5: 0.
double sceneProgress(int scene, double elapsedMs);
