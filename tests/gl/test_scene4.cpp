// Scene 4: the light it leaves for the rest of the show, the 384-box structure counted in
// feedback mode, the closing white veil and the state its frames leave.
#include "gl_test_support.h"
#include "scenes/scene4.h"
#include "scenes/scenes.h"

#include <GL/glu.h>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <vector>

constexpr int frameWidth = 460, frameHeight = 400;

static void drawFrame(float sceneTime) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    stepScene4(sceneTime);
    drawScene4(sceneTime);
}

// The frame's last surface: the trailing polygons of the final polygon's colour (feedback
// hands a quad over as two triangles). Whether they cover the whole viewport, and their grey.
static std::pair<bool, float> lastSurfaceCoversTheScreen(float sceneTime) {
    const auto primitives = captureFeedback(GL_3D_COLOR, [sceneTime] { drawFrame(sceneTime); });
    if (primitives.empty() || primitives.back().kind != GL_POLYGON_TOKEN) return {false, -1};
    const FeedbackVertex colour = primitives.back().vertices[0];
    float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
    for (auto p = primitives.rbegin(); p != primitives.rend(); ++p) {
        const FeedbackVertex& c = p->vertices[0];
        if (p->kind != GL_POLYGON_TOKEN || c.r != colour.r || c.g != colour.g || c.b != colour.b ||
            c.a != colour.a)
            break;
        for (const FeedbackVertex& v : p->vertices) {
            left = std::min(left, v.x), right = std::max(right, v.x);
            bottom = std::min(bottom, v.y), top = std::max(top, v.y);
        }
    }
    const bool covers = std::abs(left) < 1e-3f && std::abs(right - frameWidth) < 1e-3f &&
                        std::abs(bottom) < 1e-3f && std::abs(top - frameHeight) < 1e-3f;
    const bool grey = colour.r == colour.g && colour.g == colour.b && colour.a == 1;
    return {covers && grey, colour.r};
}

TEST(Scene4Light, LightZeroIsLeftAtTheSecondPositionInEyeSpace) {
    startShowForTest(frameWidth, frameHeight);
    GLfloat position[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_EQ(position[2], 1.0f); // GL's default before the scene

    drawShowFrameAt(57000);
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(position[i], secondLightPos[i]) << i;

    // Scene 5 gives no position of its own: the light shines on from the same direction.
    drawShowFrameAt(70000);
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(position[i], secondLightPos[i]) << i;
}

TEST(Scene4Light, TheTilesAreLitWithTheirOwnNormalWhateverGlHolds) {
    startShowForTest(frameWidth, frameHeight);
    // The lit tiles are the only polygons with no red and some green.
    const auto tileColours = [](float nx, float ny, float nz) {
        glNormal3f(nx, ny, nz);
        std::vector<float> greens;
        for (const FeedbackPrimitive& p : captureFeedback(GL_3D_COLOR, [] { drawFrame(0.3f); }))
            if (p.kind == GL_POLYGON_TOKEN && p.vertices[0].r == 0 && p.vertices[0].g > 0)
                greens.push_back(p.vertices[0].g);
        GLfloat held[3];
        glGetFloatv(GL_CURRENT_NORMAL, held);
        EXPECT_TRUE(held[0] == 0 && held[1] == 0 && held[2] == 1);
        return greens;
    };
    const std::vector<float> facing = tileColours(0, 0, 1);
    ASSERT_GT(facing.size(), 20u); // rings 1 and 2 as triangles, a few cut by the edge
    EXPECT_EQ(tileColours(0, 1, 0), facing);
    EXPECT_EQ(tileColours(1, 0, 0), facing);
}

TEST(Scene4Boxes, EveryFrameDraws384SolidAnd384WireBoxesInEightLevels) {
    startShowForTest(frameWidth, frameHeight);
    for (const float t : {0.0f, 0.37f, 0.79f}) {
        // A projection wide enough that nothing of the structure is clipped away.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(160, 1.15, 1, 6000);
        glMatrixMode(GL_MODELVIEW);

        // Solid faces are the only unlit polygons of alpha 1 with equal red and green (the
        // tiles are lit, the veils and overlay cubes carry alpha below 1, and the white veil
        // waits for 0.8). Counted once with back faces culled and once with front faces
        // culled, every face of every box turns up exactly once, as the two triangles
        // feedback splits a quad into.
        std::map<float, int> facesByGrey;
        int faces = 0;
        for (const GLenum culled : {GL_BACK, GL_FRONT}) {
            glCullFace(culled);
            const auto primitives = captureFeedback(GL_3D_COLOR, [t] { drawFrame(t); });
            for (const FeedbackPrimitive& p : primitives) {
                if (p.kind != GL_POLYGON_TOKEN) continue;
                const FeedbackVertex& v = p.vertices[0];
                if (v.a != 1 || v.r != v.g) continue;
                ++faces;
                ++facesByGrey[v.r];
            }
        }
        glCullFace(GL_BACK);
        EXPECT_EQ(faces, 384 * 6 * 2) << t;
        ASSERT_EQ(facesByGrey.size(), 8u) << t; // grey i/7 for the eight levels
        for (const auto& [grey, count] : facesByGrey)
            EXPECT_EQ(count, 48 * 6 * 2) << grey;

        // Wire edges are the only lines in the flat grey 0.2.
        const auto lines = captureFeedback(GL_3D_COLOR, [t] { drawFrame(t); });
        int edges = 0;
        for (const FeedbackPrimitive& p : lines) {
            if (p.kind != GL_LINE_TOKEN) continue;
            const FeedbackVertex& v = p.vertices[0];
            edges += std::abs(v.r - 0.2f) < 1e-6f && v.r == v.g && v.g == v.b;
        }
        EXPECT_EQ(edges, 384 * 12) << t;
        EXPECT_EQ(modelviewDepth(), 1);
        EXPECT_EQ(projectionDepth(), 1);
    }
}

TEST(Scene4Veil, WhiteVeilAbsentAtTheFloatPointEightAndPresentJustAbove) {
    startShowForTest(frameWidth, frameHeight);
    EXPECT_FALSE(lastSurfaceCoversTheScreen(0.5f).first);
    EXPECT_FALSE(lastSurfaceCoversTheScreen(0.8f).first);
    const auto [present, grey] = lastSurfaceCoversTheScreen(std::nextafter(0.8f, 1.0f));
    EXPECT_TRUE(present);
    EXPECT_LT(grey, 1e-6f);
    const auto [later, half] = lastSurfaceCoversTheScreen(0.9f);
    EXPECT_TRUE(later);
    EXPECT_NEAR(half, 0.5f, 1e-6f);

    // At the last millisecond the veil adds nearly full white over everything.
    drawShowFrameAt(64199);
    const std::vector<std::uint8_t> pixels = readFramebuffer();
    long sum = 0;
    for (std::uint8_t c : pixels)
        sum += c;
    EXPECT_GT(sum / static_cast<long>(pixels.size()), 240);
}

TEST(Scene4Frames, BothMatrixStacksAreLeftAsFound) {
    startShowForTest(frameWidth, frameHeight);
    // Entered deeper in the stack and with a non-trivial modelview, the scene still returns
    // both exactly, whether or not the white veil is drawn.
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    for (const float t : {0.0f, 0.42f, 0.95f}) {
        glPushMatrix();
        glTranslatef(3, 4, 5);
        GLdouble modelview[16], after[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        drawScene4(t);
        EXPECT_EQ(modelviewDepth(), 2);
        EXPECT_EQ(projectionDepth(), 1);
        glGetDoublev(GL_MODELVIEW_MATRIX, after);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(after[i], modelview[i]) << t;
        glGetDoublev(GL_PROJECTION_MATRIX, after);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(after[i], projection[i]) << t;
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        glPopMatrix();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[0], 0.05f);
}
