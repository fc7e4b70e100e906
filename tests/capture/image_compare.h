// Compares a rendered frame with its reference loosely enough for another GL driver's
// rounding and edge placement, tightly enough to see a missing, moved or recoloured layer.
#pragma once
#include "programs/capture/image.h"

struct ImageDifference {
    // Share of pixels (0 ... 1) with no match in the other picture: no pixel within one
    // pixel's distance comes within the colour tolerance on every channel. Taken both ways
    // (reference in frame, frame in reference), the worse one: a thin layer that vanished
    // and one that appeared both count.
    double unmatched = 0;
    // The largest difference of a channel's mean over the picture, 0 ... 255: a colour
    // cast over everything.
    double meanShift = 0;
};

ImageDifference compareImages(const RgbImage& reference, const RgbImage& frame, int tolerance);

// The width x height part of image whose top-left pixel is (x, y), rows counted from the top.
RgbImage cropped(const RgbImage& image, int x, int y, int width, int height);
