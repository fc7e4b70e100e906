// How many pixels the page draws the picture with. A big screen's every device pixel costs a
// phone-class or software GPU dearly and shows little more of the show, composed as it is
// for 1024 x 768: the canvas keeps the window's shape with fewer pixels, so the picture in it
// is at most 1440 x 1080, and the browser scales it up to the window. Within the cap the
// canvas has the window's device pixels, one to one, as the capture draws them.
#pragma once
#include "show/picture_area.h"

inline constexpr int pictureCapWidth = 1440;
inline constexpr int pictureCapHeight = 1080;

struct CanvasSize {
    int width;
    int height;
};

// The canvas for a window of width x height device pixels: the same, or that shape scaled
// down evenly until its picture (pictureAreaFor) fits the cap.
constexpr CanvasSize canvasWithinCap(int width, int height) {
    const PictureArea picture = pictureAreaFor(width, height);
    if (picture.width <= pictureCapWidth && picture.height <= pictureCapHeight)
        return {width, height};
    const double byWidth = static_cast<double>(pictureCapWidth) / picture.width;
    const double byHeight = static_cast<double>(pictureCapHeight) / picture.height;
    const double scale = byWidth < byHeight ? byWidth : byHeight;
    // Rounded down, so the side that held the picture to its size lands within the cap, and
    // the picture's other side, in proportion, within it too.
    return {static_cast<int>(width * scale), static_cast<int>(height * scale)};
}
