// The render-state switches observed with glGet: what each sets, and what it leaves alone.
#include "draw/render_state.h"
#include "gl_test_support.h"

#include <GL/glu.h>
#include <array>
#include <gtest/gtest.h>

static std::array<GLfloat, 4> currentColour() {
    std::array<GLfloat, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    return colour;
}

static std::array<GLfloat, 16> matrix(GLenum which) {
    std::array<GLfloat, 16> m{};
    glGetFloatv(which, m.data());
    return m;
}

TEST(KitRenderState, AdditiveBlendOnSetsColourAndFactorsOffRestoresTheRestingState) {
    openTestWindow();
    // Off always ends with depth testing and culling on, even where they were off before.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    setAdditiveBlend(true, 0.9f);
    EXPECT_EQ(currentColour(), (std::array<GLfloat, 4>{1, 1, 1, 0.9f}));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC_RGB, &source);
    glGetIntegerv(GL_BLEND_DST_RGB, &destination);
    EXPECT_EQ(source, GL_SRC_COLOR);
    EXPECT_EQ(destination, GL_ONE);

    setAdditiveBlend(false, 0.1f); // the alpha of the off form is ignored
    EXPECT_EQ(currentColour(), (std::array<GLfloat, 4>{1, 1, 1, 0.9f}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));

    // Nothing was saved by the on form: a blend that was on before is off afterwards.
    glEnable(GL_BLEND);
    setAdditiveBlend(true, 0.9f);
    setAdditiveBlend(false);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST(KitRenderState, BindTextureSetsLinearFiltersOnEveryBindAndZeroKeepsTexturingOn) {
    openTestWindow();
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glDisable(GL_TEXTURE_2D);

    auto expectBoundLinearAndEnabled = [](GLuint expected) {
        GLint bound = -1, minFilter = 0, magFilter = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
        EXPECT_EQ(static_cast<GLuint>(bound), expected);
        EXPECT_EQ(minFilter, GL_LINEAR);
        EXPECT_EQ(magFilter, GL_LINEAR);
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    };
    bindTexture(name);
    expectBoundLinearAndEnabled(name);
    // Object 0 gets its filters too, and texturing stays enabled: that is how a picture is
    // dropped.
    bindTexture(0);
    expectBoundLinearAndEnabled(0);
    // Filters changed behind its back are set again on the next bind.
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    bindTexture(name);
    expectBoundLinearAndEnabled(name);
}

TEST(KitRenderState, BeginOrthoReplacesTheModelviewAndEndOrthoBringsBackTheProjection) {
    openTestWindow();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 4.0 / 3.0, 1, 5000);
    const auto perspective = matrix(GL_PROJECTION_MATRIX);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(10, 20, 30);
    glRotatef(40, 1, 1, 0);

    // Lopsided bounds, so that any two arguments swapped would show.
    beginOrtho(-100, 300, -50, 250, -10, 990);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX),
              (std::array<GLfloat, 16>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(projectionDepth(), 2);
    EXPECT_EQ(modelviewDepth(), 1);
    // glOrtho's matrix, from GL's own definition: scale 2 / extent, centre moved to 0.
    const auto ortho = matrix(GL_PROJECTION_MATRIX);
    EXPECT_FLOAT_EQ(ortho[0], 2.0f / 400);
    EXPECT_FLOAT_EQ(ortho[5], 2.0f / 300);
    EXPECT_FLOAT_EQ(ortho[10], -2.0f / 1000);
    EXPECT_FLOAT_EQ(ortho[12], -200.0f / 400);
    EXPECT_FLOAT_EQ(ortho[13], -200.0f / 300);
    EXPECT_FLOAT_EQ(ortho[14], -980.0f / 1000);

    glTranslatef(-170, -145, 0); // the overlay's own drawing
    const auto overlayModelview = matrix(GL_MODELVIEW_MATRIX);
    endOrtho();
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), perspective);
    EXPECT_EQ(projectionDepth(), 1);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), overlayModelview); // not restored
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(KitRenderState, SphereMapSwitchesGenerationAndLeavesTheModeBehind) {
    openTestWindow();
    enableSphereMap();
    for (const GLenum coordinate : {GL_S, GL_T}) {
        GLint mode = 0;
        glGetTexGeniv(coordinate, GL_TEXTURE_GEN_MODE, &mode);
        EXPECT_EQ(mode, GL_SPHERE_MAP);
    }
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_T));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_R));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_Q));

    disableSphereMap();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_T));
    for (const GLenum coordinate : {GL_S, GL_T}) {
        GLint mode = 0;
        glGetTexGeniv(coordinate, GL_TEXTURE_GEN_MODE, &mode);
        EXPECT_EQ(mode, GL_SPHERE_MAP);
    }
}
