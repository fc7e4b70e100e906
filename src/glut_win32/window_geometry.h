// Where a GLUT window goes on the screen, worked without windows.h or GL. GLUT sizes a
// window by its drawing area; Windows sizes and places a top-level window by its frame,
// whose borders and title bar lie around that area.
#pragma once

struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The frame of a window whose drawing area is width x height, placed with its corner at
// (x, y) and then moved just enough to lie on the work area (the screen less the task bar),
// or at the work area's top-left corner where it is larger. frameAroundNothing is the frame
// a drawing area of no size at (0, 0) has (Windows' AdjustWindowRect answers it): its
// width and height are the borders' and the title bar's.
ScreenRect frameForClient(int x, int y, int width, int height, ScreenRect frameAroundNothing,
                          ScreenRect workArea);
