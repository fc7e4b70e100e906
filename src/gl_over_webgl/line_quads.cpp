#include "line_quads.h"

#include <cmath>
#include <utility>

// Mesa positions edges in 1/256 pixel, rounding halves to even, with pixel centres at whole
// numbers (hence the half pixel taken off before snapping).
static constexpr float subpixelSteps = 256;

static int snap(float windowCoordinate) {
    return static_cast<int>(std::lrint(subpixelSteps * (windowCoordinate - 0.5f)));
}

// A snapped position back in window coordinates.
static float unsnap(int steps) {
    return static_cast<float>(steps) / subpixelSteps + 0.5f;
}

// Browsers position edges more coarsely: SwiftShader, the browser's software WebGL, in
// 1/16 pixel. An edge is moved up from Mesa's 1/256 to the next 1/16, on which pixel
// centres lie too, so every pixel centre stays on the same side of an upright or level edge,
// a centre on the edge included (both count it in on left and lower edges).
static constexpr int rasterSteps = 16;

static float toRasterGrid(int steps) {
    const int fromEdgeOfPixelZero = steps + static_cast<int>(subpixelSteps) / 2;
    constexpr int ratio = static_cast<int>(subpixelSteps) / rasterSteps;
    const int up = fromEdgeOfPixelZero >= 0 ? (fromEdgeOfPixelZero + ratio - 1) / ratio
                                            : -((-fromEdgeOfPixelZero) / ratio);
    return static_cast<float>(up) / rasterSteps;
}

static bool nonNegative(float value) {
    return value >= 0;
}

static float fraction(float value) {
    return value - std::floor(value);
}

static float centreOffset(float value) {
    return value - std::floor(value) - 0.5f;
}

// The diamond-exit decisions for the two end pixels, in terms of the major axis (x for a flat
// line). m, n: a point's offsets from its pixel centre along and across the major axis;
// dMajor, dMinor: start minus end. Mesa writes the y-major case with its sign tests turned
// round and an intersection exactly at 0 counting at the end; both are kept.
struct EndTests {
    bool drawStart, drawEnd;
};

static EndTests diamondExit(bool yMajor, float m1, float n1, float m2, float n2, float dMajor,
                            float dMinor, float minor1, float minor2) {
    const float slope = dMinor / dMajor;
    if (n2 == -0.5f && dMinor < 0) n2 = 0.5f;
    auto awayFromEnd = [&](float m) {
        return yMajor ? nonNegative(-m) == nonNegative(dMajor)
                      : nonNegative(m) == nonNegative(-dMajor);
    };
    auto acrossTowardsEnd = [&](float n) {
        return yMajor ? nonNegative(n) != nonNegative(-dMinor)
                      : nonNegative(-n) != nonNegative(dMinor);
    };
    EndTests tests;
    if (std::fabs(m1) + std::fabs(n1) < 0.5f) {
        tests.drawStart = true;
    } else if (awayFromEnd(m1)) {
        tests.drawStart = false;
    } else if (acrossTowardsEnd(n1)) {
        tests.drawStart = true;
    } else {
        const float intersect = fraction(minor1) + m1 * slope;
        tests.drawStart = intersect < 1.0f && intersect > 0.0f;
    }
    if (std::fabs(m2) + std::fabs(n2) < 0.5f) {
        tests.drawEnd = false;
    } else if (!awayFromEnd(m2)) {
        tests.drawEnd = false;
    } else if (!acrossTowardsEnd(n2)) {
        tests.drawEnd = true;
    } else {
        const float intersect = fraction(minor2) + m2 * slope;
        tests.drawEnd = intersect < 1.0f && (yMajor ? intersect >= 0.0f : intersect > 0.0f);
    }
    return tests;
}

// A corner's attributes: linear in the major coordinate between the two ends; colour and
// texture coordinates divided by w before and multiplied back after, depth as it is.
static WindowVertex attributesAt(const WindowVertex& a, const WindowVertex& b, float along, float x,
                                 float y) {
    WindowVertex corner;
    corner.x = x;
    corner.y = y;
    corner.z = a.z + (b.z - a.z) * along;
    corner.invW = a.invW + (b.invW - a.invW) * along;
    const float w = 1.0f / corner.invW;
    auto perspective = [&](float va, float vb) {
        const float overA = va * a.invW, overB = vb * b.invW;
        return (overA + (overB - overA) * along) * w;
    };
    for (int i = 0; i < 4; ++i)
        corner.colour[i] = perspective(a.colour[i], b.colour[i]);
    for (int i = 0; i < 2; ++i)
        corner.texCoord[i] = perspective(a.texCoord[i], b.texCoord[i]);
    return corner;
}

LineQuad lineQuad(const WindowVertex& from, const WindowVertex& to, float width) {
    const float dx = from.x - to.x;
    const float dy = from.y - to.y;
    if (dx * dx + dy * dy == 0) return {true, {}};
    const float x1diff = centreOffset(from.x), y1diff = centreOffset(from.y);
    const float x2diff = centreOffset(to.x), y2diff = centreOffset(to.y);
    // The width counts in whole pixels.
    const int halfWidth =
        static_cast<int>(std::lrint(std::fmax(1.0f, width))) * static_cast<int>(subpixelSteps) / 2;

    const bool yMajor = std::fabs(dx) < std::fabs(dy);
    const WindowVertex* first = &from;
    const WindowVertex* second = &to;
    float firstShift = 0, secondShift = 0; // along the major axis
    if (!yMajor) {
        const EndTests ends =
            diamondExit(false, x1diff, y1diff, x2diff, y2diff, dx, dy, from.y, to.y);
        if (dx < 0) {
            std::swap(first, second);
            if ((x1diff <= 0) != ends.drawStart) secondShift = -x1diff - 0.5f;
            if ((x2diff > 0) != ends.drawEnd) firstShift = -x2diff - 0.5f;
        } else {
            if ((x1diff > 0) != ends.drawStart) firstShift = -x1diff + 0.5f;
            if ((x2diff <= 0) != ends.drawEnd) secondShift = -x2diff + 0.5f;
        }
    } else {
        const EndTests ends =
            diamondExit(true, y1diff, x1diff, y2diff, x2diff, dy, dx, from.x, to.x);
        if (dy > 0) {
            std::swap(first, second);
            if ((y1diff > 0) != ends.drawStart) secondShift = -y1diff + 0.5f;
            if ((y2diff <= 0) != ends.drawEnd) firstShift = -y2diff + 0.5f;
        } else {
            if ((y1diff <= 0) != ends.drawStart) firstShift = -y1diff - 0.5f;
            if ((y2diff > 0) != ends.drawEnd) secondShift = -y2diff - 0.5f;
        }
    }
    // The shifted ends stay on the line: the minor coordinate moves by the slope.
    const float slope = yMajor ? dx / dy : dy / dx;
    int major[2], minor[2];
    const WindowVertex* ends[2] = {first, second};
    const float shifts[2] = {firstShift, secondShift};
    for (int i = 0; i < 2; ++i) {
        const float endMajor = yMajor ? ends[i]->y : ends[i]->x;
        const float endMinor = yMajor ? ends[i]->x : ends[i]->y;
        major[i] = snap(endMajor + shifts[i]);
        minor[i] = snap(endMinor + shifts[i] * slope);
    }
    // Corners: first end low side, second end low side, second high, first high.
    const int cornerMajor[4] = {major[0], major[1], major[1], major[0]};
    const int cornerMinor[4] = {minor[0] - halfWidth, minor[1] - halfWidth, minor[1] + halfWidth,
                                minor[0] + halfWidth};
    // Measured from the end that comes first whichever way the line was given, so that an
    // edge two faces share gets the very same depths both times (the second then loses the
    // depth test everywhere, as in Mesa, instead of here and there).
    const float firstMajor = yMajor ? first->y : first->x;
    const float span = (yMajor ? second->y : second->x) - firstMajor;
    // The ends are always upright (or level) edges; the sides only when the line is level.
    const bool levelSides = minor[0] == minor[1];
    LineQuad quad{false, {}};
    for (int i = 0; i < 4; ++i) {
        const float cMajor = toRasterGrid(cornerMajor[i]);
        const float cMinor = levelSides ? toRasterGrid(cornerMinor[i]) : unsnap(cornerMinor[i]);
        const float x = yMajor ? cMinor : cMajor;
        const float y = yMajor ? cMajor : cMinor;
        quad.corners[i] = attributesAt(*first, *second, (cMajor - firstMajor) / span, x, y);
    }
    // Wound counter-clockwise, so culling, which never applies to lines, keeps it.
    const float twiceArea =
        (quad.corners[1].x - quad.corners[0].x) * (quad.corners[2].y - quad.corners[0].y) -
        (quad.corners[2].x - quad.corners[0].x) * (quad.corners[1].y - quad.corners[0].y);
    if (twiceArea < 0) std::swap(quad.corners[1], quad.corners[3]);
    return quad;
}
