// The two sprite routines in the show's own start-up state: which values of the shared
// sequence fill which tables, what each sprite sends, and the state both leave behind.
#include "assets/texture_set.h"
#include "draw/random.h"
#include "draw/sprite_fields.h"
#include "gl_test_support.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

// The show's generator written out again, so that the tables are checked against the
// sequence itself and not against the code that fills them.
struct Sequence {
    std::uint32_t state = 14;
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7fffu);
    }
};

struct Table {
    std::array<float, 40> x{}, y{};
    bool operator==(const Table&) const = default;
};

static Table expectedTable(Sequence& sequence, float spreadX, float spreadY) {
    static constexpr int signs[4][2] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    const double unit = 1 / 32767.0f; // the float nearest 1/32767, widened
    Table table;
    for (int i = 0; i < 40; ++i) {
        const double mx = sequence.next() * unit * spreadX;
        const double my = sequence.next() * unit * spreadY;
        table.x[i] = static_cast<float>(signs[i / 10][0] * mx);
        table.y[i] = static_cast<float>(signs[i / 10][1] * my);
    }
    return table;
}

static Table fieldTable() {
    Table t;
    std::copy(spriteFieldX, spriteFieldX + 40, t.x.begin());
    std::copy(spriteFieldY, spriteFieldY + 40, t.y.begin());
    return t;
}

static Table swirlTable() {
    Table t;
    std::copy(spriteSwirlX, spriteSwirlX + 40, t.x.begin());
    std::copy(spriteSwirlY, spriteSwirlY + 40, t.y.begin());
    return t;
}

// The two triangles of sprite i, back in object coordinates.
static std::vector<FeedbackVertex> spriteVertices(const std::vector<FeedbackPrimitive>& primitives,
                                                  std::size_t sprite) {
    std::vector<FeedbackVertex> vertices;
    for (std::size_t k = 2 * sprite; k < 2 * sprite + 2 && k < primitives.size(); ++k)
        for (const FeedbackVertex& v : primitives[k].vertices)
            vertices.push_back(objectCoordinates(v));
    return vertices;
}

// The sprite's two triangles make its upright-mapped square, at height z.
static void expectSprite(const std::vector<FeedbackVertex>& vertices, float x, float y, float z,
                         float size) {
    EXPECT_EQ(vertices.size(), 6u);
    EXPECT_EQ(uprightSquareFaults(vertices, x, y, size), "");
    for (const FeedbackVertex& v : vertices)
        EXPECT_NEAR(v.z, z, 1e-2);
}

static void expectRestingStateWithNoPicture() {
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(modelviewDepth(), 1);
}

TEST(KitSprites, SwirlFirstTakesTheFirst80ValuesAndTheFieldTheNext80) {
    startShowForTest();
    Sequence sequence;
    const Table swirl = expectedTable(sequence, 300, 200);
    const Table field = expectedTable(sequence, 500, 400);

    drawSpriteSwirl(300, 20, 300, 200, 0);
    EXPECT_EQ(spriteSwirlFilled, 1.0f);
    EXPECT_EQ(spriteFieldFilled, 0.0f);
    EXPECT_EQ(swirlTable(), swirl);
    EXPECT_EQ(fieldTable(), Table{});

    drawSpriteField(64, 20, 500, 400, 0, 4);
    EXPECT_EQ(spriteFieldFilled, 1.0f);
    EXPECT_EQ(fieldTable(), field);
    EXPECT_EQ(swirlTable(), swirl);
    EXPECT_EQ(nextRandom(), sequence.next()); // exactly 160 values taken
}

TEST(KitSprites, FieldFirstTakesTheFirstValuesAndKeepsThemWhateverTheSpreads) {
    startShowForTest();
    Sequence sequence;
    const Table field = expectedTable(sequence, 500, 400);
    drawSpriteField(64, 20, 500, 400, 0, 4);
    ASSERT_EQ(fieldTable(), field);
    EXPECT_EQ(spriteSwirlFilled, 0.0f);

    useIdentityWindowMapping();
    const auto primitives =
        captureFeedback(GL_3D_COLOR_TEXTURE, [] { drawSpriteField(64, 20, 10, 10, 0.1f, 4); });
    EXPECT_EQ(fieldTable(), field);
    EXPECT_EQ(nextRandom(), sequence.next()); // the second call drew no value
    ASSERT_EQ(primitives.size(), 40u);        // each sprite's quad as two triangles
    for (std::size_t i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        const auto vertices = spriteVertices(primitives, i);
        expectSprite(vertices, field.x[i], field.y[i], 0, 64);
        for (const FeedbackVertex& v : vertices) {
            EXPECT_NEAR(v.r, 0.6, 1e-6); // 1 - 0.1 * 4
            EXPECT_EQ(v.r, v.g);
            EXPECT_EQ(v.r, v.b);
        }
    }
    expectRestingStateWithNoPicture();
}

// At phase 0 red is full, green and blue half, and each sprite one more step of (0, 3, 10)
// along; a quarter later the step points along +x and the colours have gone 125 and 25
// degrees round their cycles.
TEST(KitSprites, SwirlColourAndStepFollowThePhase) {
    startShowForTest();
    drawSpriteSwirl(300, 20, 300, 200, 0);
    useIdentityWindowMapping();
    struct Look {
        float phase;
        double red, green;
        float dx, dy, dz;
    };
    for (const Look look :
         {Look{0, 1, 0.5, 0, 3, 10}, Look{0.25f, (1 + std::cos(125 * M_PI / 180)) / 2,
                                          (1 + std::sin(25 * M_PI / 180)) / 2, 10, 0, 0}}) {
        SCOPED_TRACE(look.phase);
        const auto primitives = captureFeedback(
            GL_3D_COLOR_TEXTURE, [&look] { drawSpriteSwirl(30, 20, 1, 1, look.phase); });
        ASSERT_EQ(primitives.size(), 40u);
        for (std::size_t i = 0; i < 20; ++i) {
            SCOPED_TRACE(i);
            const auto steps = static_cast<float>(i + 1);
            const auto vertices = spriteVertices(primitives, i);
            expectSprite(vertices, spriteSwirlX[i] + look.dx * steps,
                         spriteSwirlY[i] + look.dy * steps, look.dz * steps, 30);
            for (const FeedbackVertex& v : vertices) {
                EXPECT_NEAR(v.r, look.red, 1e-5);
                EXPECT_NEAR(v.g, look.green, 1e-5);
                EXPECT_NEAR(v.b, look.green, 1e-5);
            }
        }
    }
    expectRestingStateWithNoPicture();
}

// Zero or fewer sprites send no vertex, yet a first call fills the tables and both routines
// still switch blending and the picture on and off. More than forty draw the forty there are.
TEST(KitSprites, NoSpritesStillFillAndSwitchStatesAndMoreThanFortyAreForty) {
    startShowForTest();
    for (const int count : {0, -5}) {
        SCOPED_TRACE(count);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glEnable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texCube);
        EXPECT_EQ(
            countSubmitted([count] { drawSpriteField(64, count, 300, 200, 0.1f, 4); }).vertices,
            0u);
        EXPECT_EQ(spriteFieldFilled, 1.0f);
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_NEAR(colour[0], 0.6, 1e-6); // the fade replaced the blend's colour
        EXPECT_EQ(colour[3], 1.0f);
        expectRestingStateWithNoPicture();

        glDisable(GL_DEPTH_TEST);
        glBindTexture(GL_TEXTURE_2D, texCube);
        EXPECT_EQ(countSubmitted([count] { drawSpriteSwirl(64, count, 300, 200, 0.3f); }).vertices,
                  0u);
        EXPECT_EQ(spriteSwirlFilled, 1.0f);
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(colour[0], 1.0f); // the blend's own colour, no sprite recoloured it
        EXPECT_EQ(colour[3], 0.5f);
        expectRestingStateWithNoPicture();
    }
    EXPECT_NE(fieldTable(), Table{});
    EXPECT_NE(swirlTable(), Table{});
    for (const int count : {41, 1000}) {
        EXPECT_EQ(countSubmitted([count] { drawSpriteField(64, count, 1, 1, 0, 4); }).vertices,
                  160u);
        EXPECT_EQ(countSubmitted([count] { drawSpriteSwirl(64, count, 1, 1, 0); }).vertices, 160u);
    }
}

// What reaches the screen: a fade of one or more adds nothing, a brightness above one is
// clamped to the full picture.
TEST(KitSprites, FadedFieldAddsNothingAndOverBrightIsFull) {
    startShowForTest();
    auto frameWithField = [](float phase) {
        glViewport(0, 0, testWidth(), testHeight());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-400, 400, -300, 300, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawSpriteField(120, 20, 300, 200, phase, 4);
        return readFramebuffer();
    };
    const auto full = frameWithField(0);
    const auto black = std::vector<std::uint8_t>(full.size(), 0);
    EXPECT_NE(full, black);
    EXPECT_EQ(frameWithField(0.25f), black);
    EXPECT_EQ(frameWithField(0.6f), black);
    EXPECT_EQ(frameWithField(-0.25f), full);
    EXPECT_NE(frameWithField(0.125f), full);
}
