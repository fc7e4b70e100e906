// drawCubeRing: the eight cubes where the tumble puts them, the culled glow, the logo, and
// the overlay state the scenes draw on from.
#include "assets/texture_set.h"
#include "draw/cube_ring.h"
#include "gl_test_support.h"

#include <GL/freeglut.h>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

using Vec = std::array<double, 3>;

// Overlay eye coordinates of a feedback vertex under a 460 x 400 viewport, which the
// overlay's ortho (-230 ... 230, -200 ... 200, near -100, far 1000) maps one to one.
static Vec overlayCoordinates(const FeedbackVertex& v) {
    return {v.x - 230.0, v.y - 200.0, 100.0 - 1100.0 * v.z};
}

static Vec rotated(const Vec& v, int axis, double degrees) {
    const double c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180);
    const int i = (axis + 1) % 3, j = (axis + 2) % 3; // right-handed about the axis
    Vec r = v;
    r[i] = c * v[i] - s * v[j];
    r[j] = s * v[i] + c * v[j];
    return r;
}

// Where the centre of cube a should stand: on the circle of radius 23, then tumbled about z,
// y and x (the last turn named is the first applied), then moved to the ring's centre.
static Vec expectedCentre(double sceneTime, double a) {
    Vec v{23 * std::sin(a * M_PI / 180), 0, 23 * std::cos(a * M_PI / 180)};
    v = rotated(v, 2, sceneTime * 1080);
    v = rotated(v, 1, sceneTime * 1440);
    v = rotated(v, 0, sceneTime * 2160);
    return {v[0] - 170, v[1] - 145, v[2]};
}

struct Cube {
    int lines = 0, triangles = 0, vertices = 0;
    Vec centre{0, 0, 0}; // mean of the wire cube's vertices
};

// The feedback of one call split per cube: each cube sends its wire lines, then whatever is
// left of its solid after culling. The logo's polygons, if any, end up with the last cube.
static std::vector<Cube> cubesOf(const std::vector<FeedbackPrimitive>& primitives) {
    std::vector<Cube> cubes;
    GLenum previous = GL_POLYGON_TOKEN;
    for (const FeedbackPrimitive& p : primitives) {
        if (p.kind == GL_LINE_TOKEN && previous == GL_POLYGON_TOKEN) cubes.push_back({});
        previous = p.kind;
        if (cubes.empty()) continue;
        Cube& cube = cubes.back();
        if (p.kind == GL_POLYGON_TOKEN) {
            ++cube.triangles;
            continue;
        }
        ++cube.lines;
        for (const FeedbackVertex& v : p.vertices) {
            const Vec o = overlayCoordinates(v);
            for (int k = 0; k < 3; ++k)
                cube.centre[k] += o[k];
            ++cube.vertices;
        }
    }
    for (Cube& cube : cubes)
        for (double& c : cube.centre)
            c /= cube.vertices;
    return cubes;
}

static void useOverlayViewport() {
    glViewport(0, 0, 460, 400);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

TEST(KitCubeRing, EightCubesTumbleRoundTheCentreTheFirstTowardTheViewer) {
    startShowForTest();
    // What one wire cube and one unculled solid cube send here, for comparison.
    useIdentityWindowMapping();
    glDisable(GL_CULL_FACE);
    const std::size_t wireLines = captureFeedback(GL_3D, [] { glutWireCube(12.2); }).size();
    const std::size_t solidTriangles = captureFeedback(GL_3D, [] { glutSolidCube(10); }).size();
    const SubmittedCounts wire = countSubmitted([] { glutWireCube(12.2); });
    const SubmittedCounts solid = countSubmitted([] { glutSolidCube(10); });

    glDisable(GL_LIGHTING);
    useOverlayViewport();
    EXPECT_EQ(countSubmitted([] { drawCubeRing(0.3f, false); }).vertices,
              8 * (wire.vertices + solid.vertices));
    for (const float sceneTime : {0.0f, 0.5f, 0.25f, 0.1f, 0.77f}) {
        SCOPED_TRACE(sceneTime);
        const auto cubes =
            cubesOf(captureFeedback(GL_3D_COLOR, [sceneTime] { drawCubeRing(sceneTime, false); }));
        ASSERT_EQ(cubes.size(), 8u);
        for (int k = 0; k < 8; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(static_cast<std::size_t>(cubes[k].lines), wireLines);
            // Culling is back on for the glow: at most three faces of the twelve triangles.
            EXPECT_GE(cubes[k].triangles, 1);
            EXPECT_LE(cubes[k].triangles, 6);
            EXPECT_LT(static_cast<std::size_t>(cubes[k].triangles), solidTriangles);
            const Vec want = expectedCentre(sceneTime, 45.0 * k);
            for (int axis = 0; axis < 3; ++axis)
                EXPECT_NEAR(cubes[k].centre[axis], want[axis], 0.02);
        }
        if (sceneTime == 0) {
            EXPECT_NEAR(cubes[0].centre[0], -170, 0.02);
            EXPECT_NEAR(cubes[0].centre[2], 23, 0.02); // +z points out of the screen
        }
    }
    // The wire cubes came out cyan (lighting is off here).
    const auto lines = captureFeedback(GL_3D_COLOR, [] { drawCubeRing(0, false); });
    EXPECT_EQ(lines[0].vertices[0].r, 0.0f);
    EXPECT_EQ(lines[0].vertices[0].g, 1.0f);
    EXPECT_EQ(lines[0].vertices[0].b, 1.0f);
}

// What the scenes find after the overlay, called the way they call it: lighting on, a
// perspective projection, a picture of their own. With the logo, also where it went: an
// upright 100 x 100 square over the ring's centre, drawn with the additive alpha of 0.8.
static void callAsAScene(bool withLogo) {
    startShowForTest();
    glViewport(0, 0, 460, 400);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -500);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, texShine2);
    glDisable(GL_TEXTURE_2D);
    GLfloat projection[16], after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    const auto primitives =
        captureFeedback(GL_3D_COLOR_TEXTURE, [withLogo] { drawCubeRing(0.4f, withLogo); });

    glGetFloatv(GL_PROJECTION_MATRIX, after);
    EXPECT_TRUE(std::equal(projection, projection + 16, after));
    EXPECT_EQ(projectionDepth(), 1);
    EXPECT_EQ(modelviewDepth(), 1);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    for (int i = 0; i < 16; ++i) {
        const float identity = i % 5 == 0 ? 1.0f : 0.0f;
        EXPECT_EQ(modelview[i], i == 12 ? -170.0f : i == 13 ? -145.0f : identity) << i;
    }
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 1.0f);
    EXPECT_EQ(colour[1], 1.0f);
    EXPECT_EQ(colour[2], 1.0f);
    EXPECT_EQ(colour[3], withLogo ? 0.8f : 0.5f);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), withLogo ? texCube : texShine2);
    EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), withLogo ? GL_TRUE : GL_FALSE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    std::vector<FeedbackVertex> logo;
    for (const FeedbackPrimitive& p : primitives)
        if (p.kind == GL_POLYGON_TOKEN && std::fabs(p.vertices[0].a - 0.8f) < 1e-3f)
            for (FeedbackVertex v : p.vertices) {
                const Vec o = overlayCoordinates(v);
                EXPECT_NEAR(o[2], 0, 0.02);
                v.x = static_cast<float>(o[0]);
                v.y = static_cast<float>(o[1]);
                logo.push_back(v);
            }
    if (withLogo) {
        EXPECT_EQ(uprightSquareFaults(logo, -220, -195, 100), "");
    }
    const int logoTriangles = static_cast<int>(logo.size() / 3);
    EXPECT_EQ(logoTriangles, withLogo ? 2 : 0);
}

TEST(KitCubeRing, WithoutTheLogoLeavesTheCallersPicture) {
    callAsAScene(false);
}

TEST(KitCubeRing, WithTheLogoLeavesTheCubePictureBoundAndLaysItOverTheCentre) {
    callAsAScene(true);
}
