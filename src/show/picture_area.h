// Where the show's 4:3 picture sits in a target of another shape: the largest 4:3 rectangle
// centred in it, with bars left and right or above and below. The screen and the capture
// both ask this one routine, so a picture is placed to the same pixel everywhere.
#pragma once
#include <algorithm>

struct PictureArea {
    int x; // from the target's lower-left corner, as GL counts
    int y;
    int width;
    int height;
};

// Picture width min(W, round(H * 4 / 3)), height min(H, round(W * 3 / 4)), halves rounded
// up; the spare columns or rows are shared with the left or lower bar taking the smaller
// half. A 4:3 target is its own picture; an empty target has an empty picture.
constexpr PictureArea pictureAreaFor(int width, int height) {
    if (width <= 0 || height <= 0) return {0, 0, 0, 0};
    const long long w = width, h = height;
    // round(h * 4 / 3) = floor((8h + 3) / 6), round(w * 3 / 4) = floor((3w + 2) / 4).
    const int pictureWidth = static_cast<int>(std::min(w, (8 * h + 3) / 6));
    const int pictureHeight = static_cast<int>(std::min(h, (3 * w + 2) / 4));
    return {(width - pictureWidth) / 2, (height - pictureHeight) / 2, pictureWidth, pictureHeight};
}

constexpr bool fillsTarget(const PictureArea& area, int width, int height) {
    return area.x == 0 && area.y == 0 && area.width == width && area.height == height;
}
