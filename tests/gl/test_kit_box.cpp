// drawBox observed through GL: where its vertices land, how many it sends, what culling keeps.
#include "draw/box.h"
#include "gl_test_support.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using Point = std::array<float, 3>;
using Faces = std::set<std::pair<int, long>>; // (axis, plane) of each face seen

// The faces the polygons of a feedback lie in, with toCaller taking a feedback vertex to the
// caller's frame.
template <typename ToCaller>
static Faces facesOf(const std::vector<FeedbackPrimitive>& primitives, ToCaller toCaller) {
    Faces faces;
    for (const FeedbackPrimitive& polygon : primitives) {
        std::vector<Point> corners;
        for (const FeedbackVertex& v : polygon.vertices)
            corners.push_back(toCaller(v));
        for (int axis = 0; axis < 3; ++axis)
            if (std::all_of(corners.begin(), corners.end(), [&](const Point& p) {
                    return std::fabs(p[axis] - corners[0][axis]) < 1e-2;
                }))
                faces.insert({axis, std::lround(corners[0][axis])});
    }
    return faces;
}

TEST(KitBox, WireSpansTheLiftedBoxDrawsEveryEdgeOnceAndKeepsTheModelview) {
    openTestWindow();
    useIdentityWindowMapping();
    const auto primitives = captureFeedback(GL_3D, [] { drawBox(30, 20, 20, 'w'); });
    // Twelve segments, each a different edge: along one axis only, from a corner of
    // x -15..15, y 10..30, z 10..30 to another.
    ASSERT_EQ(primitives.size(), 12u);
    std::set<std::pair<Point, Point>> edges;
    for (const FeedbackPrimitive& line : primitives) {
        std::array<Point, 2> ends;
        for (int k = 0; k < 2; ++k) {
            const FeedbackVertex o = objectCoordinates(line.vertices[k]);
            ends[k] = {o.x, o.y, o.z};
            const Point low{-15, 10, 10}, high{15, 30, 30};
            for (int axis = 0; axis < 3; ++axis) {
                const float c = ends[k][axis];
                EXPECT_TRUE(std::fabs(c - low[axis]) < 1e-3 || std::fabs(c - high[axis]) < 1e-3)
                    << "axis " << axis << " at " << c;
                ends[k][axis] = std::round(c);
            }
        }
        int changed = 0;
        for (int axis = 0; axis < 3; ++axis)
            changed += ends[0][axis] != ends[1][axis];
        EXPECT_EQ(changed, 1);
        edges.insert(std::minmax(ends[0], ends[1]));
    }
    EXPECT_EQ(edges.size(), 12u);
    // One strip of ten vertices (top, the edge at x = 0, z = 0, bottom), three loose edges.
    const auto runs = lineRuns(primitives);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].size(), 10u);
    const SubmittedCounts sent = countSubmitted([] { drawBox(30, 20, 20, 'w'); });
    EXPECT_EQ(sent.vertices, 16u);
    EXPECT_EQ(sent.primitives, 12u); // nine strip segments and three lines

    glTranslatef(3, -4, 5);
    glRotatef(30, 0, 0, 1);
    GLfloat before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    drawBox(30, 20, 20, 'w');
    drawBox(-7, 0, 12, 's');
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_TRUE(std::equal(before, before + 16, after));
    EXPECT_EQ(modelviewDepth(), 1);
}

// Seen from outside along (1, 1, 1), with back faces culled as at start-up, only the three
// far faces (x = -15, y = 10, z = 10 in the caller's frame) are left: their inner sides.
// Every style but 'w' is this solid box of six quads.
TEST(KitBox, SolidShowsOnlyTheInnerSidesOfItsFarFacesUnderCulling) {
    openTestWindow();
    useIdentityWindowMapping();
    glRotatef(35.26439f, 1, 0, 0);
    glRotatef(-45, 0, 1, 0);
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    // Rotations only: the transpose takes eye coordinates back to the caller's frame.
    auto toCaller = [&m](const FeedbackVertex& window) {
        const FeedbackVertex e = objectCoordinates(window);
        return Point{m[0] * e.x + m[1] * e.y + m[2] * e.z, m[4] * e.x + m[5] * e.y + m[6] * e.z,
                     m[8] * e.x + m[9] * e.y + m[10] * e.z};
    };
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    for (const char style : {'s', '\0', 'W', 'x', static_cast<char>(0xff)}) {
        SCOPED_TRACE(int(style));
        const auto draw = [style] { drawBox(30, 20, 20, style); };
        const SubmittedCounts sent = countSubmitted(draw);
        EXPECT_EQ(sent.vertices, 24u);
        EXPECT_EQ(sent.primitives, 6u);
        glEnable(GL_CULL_FACE);
        EXPECT_EQ(facesOf(captureFeedback(GL_3D, draw), toCaller),
                  (Faces{{0, -15}, {1, 10}, {2, 10}}));
        glDisable(GL_CULL_FACE);
        EXPECT_EQ(facesOf(captureFeedback(GL_3D, draw), toCaller),
                  (Faces{{0, -15}, {0, 15}, {1, 10}, {1, 30}, {2, 10}, {2, 30}}));
    }
}
