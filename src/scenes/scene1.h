// Scene 1's timing rules, kept free of GL so they can be checked on their own.
#pragma once

inline constexpr int pictureWindowCount = 3;

// The picture window that holds sceneTime, 1 ... 3, or 0 outside all three. Each window is
// open at both ends: at its exact start and end nothing is shown.
int pictureWindowAt(float sceneTime);

// How a window's picture looks at sceneTime: the scale of its 360 x 320 quad and its colour,
// as computed, before GL clamps the colour to 0 ... 1.
struct PictureLook {
    double scale;
    double red, green, blue;
};
PictureLook pictureLookAt(int window, float sceneTime);
