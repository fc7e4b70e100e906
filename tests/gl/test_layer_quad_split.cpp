// The GL layer's quad splits against Mesa's: each quad or quad strip drawn by Mesa as it is,
// then as the triangles the layer splits it into, pixel for pixel the same. Smooth-shaded
// with vertex colours far apart, so the other diagonal moves colour, and with back faces
// culled, so a triangle wound the wrong way goes missing.
#include "gl_test_support.h"
#include "quad_split.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

struct SplitCase {
    const char* name;
    GLenum mode;
    std::vector<float> corners; // x, y of each vertex
    bool drawn;                 // false: all of it faces away and is culled
};

static constexpr int side = 64;

// Vertex i's colour: the eight corners of the colour cube, neighbours far apart.
static void drawVertex(const SplitCase& c, std::size_t i) {
    static constexpr float palette[8][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1},
                                            {0, 0, 0}, {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
    glColor3fv(palette[i % 8]);
    glVertex2f(c.corners[2 * i], c.corners[2 * i + 1]);
}

static std::vector<std::uint8_t> drawn(const SplitCase& c, bool asLayerSplits) {
    glViewport(0, 0, side, side);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, side, 0, side, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glShadeModel(GL_SMOOTH);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const std::size_t n = c.corners.size() / 2;
    const bool strip = c.mode == GL_QUAD_STRIP;
    glBegin(asLayerSplits ? GL_TRIANGLES : c.mode);
    if (!asLayerSplits)
        for (std::size_t i = 0; i < n; ++i)
            drawVertex(c, i);
    else
        for (std::size_t quad = 0; quad < (strip ? stripQuadCount(n) : quadCount(n)); ++quad)
            for (const TriangleCorners& t : strip ? stripQuadTriangles(quad) : quadTriangles(quad))
                for (const std::size_t corner : t)
                    drawVertex(c, corner);
    glEnd();
    return readFramebuffer();
}

static const SplitCase cases[] = {
    {"a lone quad, counter-clockwise", GL_QUADS, {4, 6, 58, 2, 61, 55, 9, 60}, true},
    {"a lone quad, clockwise: culled", GL_QUADS, {4, 6, 9, 60, 61, 55, 58, 2}, false},
    {"two quads and three vertices left over",
     GL_QUADS,
     {2, 3, 30, 5, 28, 29, 3, 27, 33, 35, 62, 31, 60, 61, 35, 58, 40, 2, 60, 4, 50, 20},
     true},
    {"a quad strip of three quads, pairs top then bottom, and a vertex left over",
     GL_QUAD_STRIP,
     {3, 58, 5, 8, 22, 52, 20, 3, 41, 61, 43, 10, 62, 50, 60, 6, 30, 30},
     true},
    {"a quad strip, pairs bottom then top: culled",
     GL_QUAD_STRIP,
     {5, 8, 3, 58, 20, 3, 22, 52, 43, 10, 41, 61},
     false},
};

static int litPixels(const std::vector<std::uint8_t>& rgb) {
    return static_cast<int>(std::count_if(rgb.begin(), rgb.end(), [](int v) { return v > 0; }));
}

TEST(LayerQuadSplit, SplitsAlongTheDiagonalsMesaUses) {
    openTestWindow(side, side);
    for (const SplitCase& c : cases) {
        const std::vector<std::uint8_t> mesa = drawn(c, false);
        const std::vector<std::uint8_t> layer = drawn(c, true);
        EXPECT_EQ(litPixels(mesa) > 0, c.drawn) << c.name;
        const auto differing = std::mismatch(mesa.begin(), mesa.end(), layer.begin());
        EXPECT_TRUE(differing.first == mesa.end())
            << c.name << ": first differs at byte " << differing.first - mesa.begin();
    }
}
