// drawPictureCard: the fade as it reaches the framebuffer, the card's square and mapping, and
// the state it leaves.
#include "draw/picture_card.h"
#include "gl_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

// A plain white picture, so the framebuffer shows the card's grey itself.
static GLuint whitePicture() {
    const unsigned char white[2 * 2 * 4] = {255, 255, 255, 255, 255, 255, 255, 255,
                                            255, 255, 255, 255, 255, 255, 255, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

// The card drawn in the middle of a black frame under the resting state, read back there.
static Rgb cardCentre(GLuint picture, float sceneTime, float start) {
    glViewport(0, 0, testWidth(), testHeight());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-160, 160, -120, 120, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawPictureCard(picture, 0, 0, sceneTime, start);
    return readPixel(testWidth() / 2, testHeight() / 2);
}

TEST(KitPictureCard, FadesFromFullAtItsStartToAThirdATenthLater) {
    openTestWindow();
    const GLuint picture = whitePicture();
    const float start = 0.25f;
    for (const auto& [sceneTime, grey] :
         {std::pair{0.25f, 255}, std::pair{0.35f, 84}, std::pair{0.15f, 255}, std::pair{0.05f, 255},
          std::pair{0.45f, 0}, std::pair{0.9f, 0}}) {
        SCOPED_TRACE(sceneTime);
        const Rgb pixel = cardCentre(picture, sceneTime, start);
        EXPECT_NEAR(pixel.r, grey, 1); // 0.33 of 255 at start + 0.1; clamped before start
        EXPECT_EQ(pixel.g, pixel.r);
        EXPECT_EQ(pixel.b, pixel.r);
    }
    // The grey is formed in double precision: at 0.3 after 0.25 single precision would give
    // a different float.
    cardCentre(picture, 0.3f, 0.25f);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    const auto inDouble = static_cast<float>(1 - (static_cast<double>(0.3f) - 0.25f) * 6.7);
    const float inSingle = 1 - (0.3f - 0.25f) * 6.7f;
    ASSERT_NE(inDouble, inSingle);
    EXPECT_EQ(colour[0], inDouble);
}

TEST(KitPictureCard, Is140SquareAboutItsCentreWithThePictureTurnedAndLeftBound) {
    openTestWindow();
    const GLuint picture = whitePicture();
    glBindTexture(GL_TEXTURE_2D, picture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    useIdentityWindowMapping();
    glTranslatef(5, 6, 7);
    const auto primitives = captureFeedback(
        GL_3D_COLOR_TEXTURE, [picture] { drawPictureCard(picture, 100, -50, 0.5f, 0.5f); });
    ASSERT_EQ(primitives.size(), 2u);
    // Centre (105, -44) after the caller's translation, 70 either side; the card's grey.
    std::vector<FeedbackVertex> vertices;
    for (const FeedbackPrimitive& triangle : primitives)
        for (const FeedbackVertex& window : triangle.vertices) {
            vertices.push_back(objectCoordinates(window));
            EXPECT_NEAR(vertices.back().z, 7, 1e-2);
            EXPECT_EQ(vertices.back().r, 1.0f);
        }
    EXPECT_EQ(uprightSquareFaults(vertices, 35, -114, 140), "");

    GLint bound = 0, minFilter = 0, magFilter = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(static_cast<GLuint>(bound), picture);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(minFilter, GL_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_EQ(m[12], 5.0f);
    EXPECT_EQ(m[13], 6.0f);
    EXPECT_EQ(m[14], 7.0f);
    EXPECT_EQ(modelviewDepth(), 1);
}
