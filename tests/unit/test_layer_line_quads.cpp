// The GL layer's lines as the parallelograms Mesa fills: each case worked out by hand from
// the rules in line_quads.h (ends on the 1/256 grid moved up to the next 1/16, the width in
// whole pixels across the minor axis, the diamond-exit shifts at the ends).
#include "line_quads.h"

#include <gtest/gtest.h>
#include <sstream>

struct LineQuadCase {
    const char* name;
    float line[5];    // from x, y, to x, y, width
    float corners[8]; // x, y of each, counter-clockwise, from any of them
};

static WindowVertex at(float x, float y) {
    return {x, y, 0.5f, 1, {1, 1, 1, 1}, {0, 0}};
}

static std::string text(const std::array<WindowVertex, 4>& corners) {
    std::ostringstream out;
    for (const WindowVertex& c : corners)
        out << " (" << c.x << ", " << c.y << ")";
    return out.str();
}

// The same four corners in the same turning order, starting anywhere.
static bool sameParallelogram(const std::array<WindowVertex, 4>& got, const float* want) {
    for (std::size_t start = 0; start < 4; ++start) {
        bool all = true;
        for (std::size_t i = 0; i < 4; ++i)
            all = all && got[(start + i) % 4].x == want[2 * i] &&
                  got[(start + i) % 4].y == want[2 * i + 1];
        if (all) return true;
    }
    return false;
}

// Pixel centres lie at .5. A line from centre to centre draws its first pixel, not its last.
static const LineQuadCase cases[] = {
    {"thin level, rightwards: pixels 10 to 29",
     {10.5f, 20.5f, 30.5f, 20.5f, 1},
     {10.5f, 20, 30.5f, 20, 30.5f, 21, 10.5f, 21}},
    {"thin level, leftwards: pixels 30 down to 11",
     {30.5f, 20.5f, 10.5f, 20.5f, 1},
     {11, 20, 31, 20, 31, 21, 11, 21}},
    {"width 3: rows 19 to 21",
     {10.5f, 20.5f, 30.5f, 20.5f, 3},
     {10.5f, 19, 30.5f, 19, 30.5f, 22, 10.5f, 22}},
    {"width 2.6 rounds to 3",
     {10.5f, 20.5f, 30.5f, 20.5f, 2.6f},
     {10.5f, 19, 30.5f, 19, 30.5f, 22, 10.5f, 22}},
    {"width 4: rows 18 to 21",
     {10.5f, 20.5f, 30.5f, 20.5f, 4},
     {10.5f, 18.5f, 30.5f, 18.5f, 30.5f, 22.5f, 10.5f, 22.5f}},
    {"width 0.3 draws one pixel wide",
     {10.5f, 20.5f, 30.5f, 20.5f, 0.3f},
     {10.5f, 20, 30.5f, 20, 30.5f, 21, 10.5f, 21}},
    {"thin upright, upwards: rows 10 to 29",
     {20.5f, 10.5f, 20.5f, 30.5f, 1},
     {20, 10.5f, 21, 10.5f, 21, 30.5f, 20, 30.5f}},
    {"thin upright, downwards: rows 30 down to 11",
     {20.5f, 30.5f, 20.5f, 10.5f, 1},
     {20, 11, 21, 11, 21, 31, 20, 31}},
    {"width 3 upright: columns 19 to 21",
     {20.5f, 10.5f, 20.5f, 30.5f, 3},
     {19, 10.5f, 22, 10.5f, 22, 30.5f, 19, 30.5f}},
    {"sloped, flat: widened across y only, ends upright",
     {10.5f, 10.5f, 30.5f, 20.5f, 1},
     {10.5f, 10, 30.5f, 20, 30.5f, 21, 10.5f, 11}},
    {"45 degrees counts as flat: widened across y",
     {10.5f, 10.5f, 20.5f, 20.5f, 3},
     {10.5f, 9, 20.5f, 19, 20.5f, 22, 10.5f, 12}},
    {"a start inside its pixel's diamond is drawn: moved back to the pixel's edge",
     {10.9f, 20.5f, 30.5f, 20.5f, 1},
     {10, 20, 30.5f, 20, 30.5f, 21, 10, 21}},
    {"a start inside the diamond short of the centre stays, on the 1/16 grid",
     {10.2f, 20.5f, 30.5f, 20.5f, 1},
     {10.25f, 20, 30.5f, 20, 30.5f, 21, 10.25f, 21}},
    {"an end inside its pixel's diamond is not drawn: moved back to the pixel's edge",
     {10.5f, 20.5f, 30.9f, 20.5f, 1},
     {10.5f, 20, 30, 20, 30, 21, 10.5f, 21}},
    {"moved ends stay on a sloped line: the sides move by the slope, on the 1/256 grid",
     {10.9f, 10.5f, 30.9f, 20.5f, 1},
     {10, 9.55078125f, 30, 19.55078125f, 30, 20.55078125f, 10, 10.55078125f}},
};

TEST(LayerLineQuads, AreTheParallelogramsWorkedOutByHand) {
    for (const LineQuadCase& c : cases) {
        const float* l = c.line;
        const LineQuad quad = lineQuad(at(l[0], l[1]), at(l[2], l[3]), l[4]);
        EXPECT_FALSE(quad.empty) << c.name;
        EXPECT_TRUE(sameParallelogram(quad.corners, c.corners))
            << c.name << ":" << text(quad.corners);
    }
}

TEST(LayerLineQuads, OfZeroLengthDrawNothing) {
    for (const float width : {1.0f, 4.0f}) {
        EXPECT_TRUE(lineQuad(at(10.5f, 20.5f), at(10.5f, 20.5f), width).empty);
        EXPECT_TRUE(lineQuad(at(7.3f, 2.9f), at(7.3f, 2.9f), width).empty);
    }
}

// Colour, texture coordinates and depth follow the major axis, colour and texture
// coordinates perspective-correct: here the line runs from x 30.5 (w 1) to x 10.5 (w 2), its
// ends moved to 31 and 11, so the corners lie at -1/40 and 39/40 of the way.
TEST(LayerLineQuads, CarryTheAttributesOfTheirPlaceAlongTheMajorAxis) {
    WindowVertex from = at(30.5f, 20.5f), to = at(10.5f, 20.5f);
    from.z = 0;
    to.z = 1;
    to.invW = 0.5f;
    from.colour[0] = from.texCoord[0] = 0;
    to.colour[0] = to.texCoord[0] = 1;
    const LineQuad quad = lineQuad(from, to, 3);
    ASSERT_FALSE(quad.empty);
    for (const WindowVertex& corner : quad.corners) {
        const float along = corner.x == 31 ? -1.0f / 40 : 39.0f / 40;
        ASSERT_TRUE(corner.x == 31 || corner.x == 11) << corner.x;
        const float invW = 1 - 0.5f * along;
        EXPECT_NEAR(corner.z, along, 1e-6);
        EXPECT_NEAR(corner.invW, invW, 1e-6);
        EXPECT_NEAR(corner.colour[0], 0.5f * along / invW, 1e-6);
        EXPECT_NEAR(corner.texCoord[0], 0.5f * along / invW, 1e-6);
        EXPECT_EQ(corner.colour[1], 1); // the same at both ends
    }
}
