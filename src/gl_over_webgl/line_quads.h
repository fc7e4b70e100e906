// Lines as the quads WebGL fills for them. WebGL draws no line wider than one pixel and
// leaves the pixels of a thin line to the browser; the native show is drawn by Mesa's
// software rasteriser, which fills every line, thin or wide, as a parallelogram: widened by
// its width in whole pixels along the minor axis (y for a line flatter than 45 degrees, x
// otherwise), its ends moved by half a pixel where GL's diamond-exit rule says an end pixel
// is or is not drawn. This builds the same parallelogram, in window coordinates.
#pragma once
#include <array>

// A vertex after the viewport transform: pixel centres at .5, y up as GL counts.
struct WindowVertex {
    float x, y, z; // z in 0 ... 1
    float invW;    // 1 / clip w, for perspective-correct attributes
    float colour[4];
    float texCoord[2];
};

struct LineQuad {
    bool empty;                          // a segment of zero length draws nothing
    std::array<WindowVertex, 4> corners; // counter-clockwise
};

// Corners carry the attributes Mesa interpolates there: along the major axis only, colour
// and texture coordinates perspective-correct, depth linear.
LineQuad lineQuad(const WindowVertex& from, const WindowVertex& to, float width);
