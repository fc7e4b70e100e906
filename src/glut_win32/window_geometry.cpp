#include "glut_win32/window_geometry.h"

#include <algorithm>

// The start of a span of length placed at start, moved onto [areaStart, areaStart + area).
static int keptWithin(int start, int length, int areaStart, int area) {
    return std::max(areaStart, std::min(start, areaStart + area - length));
}

ScreenRect frameForClient(int x, int y, int width, int height, ScreenRect frameAroundNothing,
                          ScreenRect workArea) {
    const int frameWidth = width + frameAroundNothing.width;
    const int frameHeight = height + frameAroundNothing.height;
    return {keptWithin(x, frameWidth, workArea.x, workArea.width),
            keptWithin(y, frameHeight, workArea.y, workArea.height), frameWidth, frameHeight};
}
