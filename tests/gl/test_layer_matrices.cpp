// The GL layer's matrices and GLU against Mesa's: seeded random sequences of matrix calls made
// on the layer's math and on the real GL, both stacks compared bit for bit after every call.
// Only a zero's sign may differ: Mesa leaves the terms of a bottom row (0, 0, 0, 1) out of
// some products, by what it knows of the matrix from the calls and draws before, and where
// every other term is a zero too the sum's sign is the left-out term's. Any other difference,
// even in the last bit, is a fault.
#include "gl_test_support.h"
#include "matrix_stack.h"
#include "view_matrices.h"

#include <GL/glu.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>
#include <string>

// The layer's side: the two stacks and the one glMatrixMode selects.
struct LayerMatrices {
    MatrixStack stacks[2]; // modelview, projection
    int current = 0;
    Matrix4& top() { return topMatrix(stacks[current]); }
};

struct CallMaker {
    std::mt19937 engine;
    double between(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine);
    }
    float betweenf(float low, float high) { return static_cast<float>(between(low, high)); }
    int upTo(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine); }
};

// A call as C, its numbers exact, for the report.
static std::string callText(const char* name, std::initializer_list<double> arguments) {
    std::string text = std::string(name) + "(";
    for (const double argument : arguments) {
        char number[32];
        std::snprintf(number, sizeof number, "%a", argument);
        text += (text.back() == '(' ? "" : ", ") + std::string(number);
    }
    return text + ")";
}

// A rotation's axis: often on one coordinate axis, either way, which Mesa writes in directly;
// now and then one too short to have a direction.
static void randomAxis(CallMaker& maker, float axis[3]) {
    const int kind = maker.upTo(6);
    for (int i = 0; i < 3; ++i)
        axis[i] = kind == 3 || kind == i ? maker.betweenf(-3, 3)
                  : kind == 5            ? maker.betweenf(-4e-5f, 4e-5f)
                                         : 0;
    if (kind == 4) axis[maker.upTo(3)] = maker.upTo(2) == 0 ? 1.0f : -1.0f;
}

// Makes one random call on both sides and says what it was.
static std::string randomCall(CallMaker& maker, LayerMatrices& layer) {
    double v[9];
    float f[4];
    switch (maker.upTo(10)) {
    case 0:
        layer.current = maker.upTo(2);
        glMatrixMode(layer.current == 0 ? GL_MODELVIEW : GL_PROJECTION);
        return layer.current == 0 ? "glMatrixMode(GL_MODELVIEW)" : "glMatrixMode(GL_PROJECTION)";
    case 1:
        glLoadIdentity();
        layer.top() = identityMatrix;
        return "glLoadIdentity()";
    case 2:
        for (int i = 0; i < 3; ++i)
            f[i] = maker.betweenf(-100, 100);
        glTranslatef(f[0], f[1], f[2]);
        translate(layer.top(), f[0], f[1], f[2]);
        return callText("glTranslatef", {f[0], f[1], f[2]});
    case 3:
        f[0] = maker.upTo(4) == 0 ? static_cast<float>(15 * maker.upTo(49) - 360)
                                  : maker.betweenf(-720, 720);
        randomAxis(maker, &f[1]);
        glRotatef(f[0], f[1], f[2], f[3]);
        rotate(layer.top(), f[0], f[1], f[2], f[3]);
        return callText("glRotatef", {f[0], f[1], f[2], f[3]});
    case 4:
        for (int i = 0; i < 3; ++i)
            f[i] = maker.betweenf(0.25f, 4) * (maker.upTo(4) == 0 ? -1.0f : 1.0f);
        glScalef(f[0], f[1], f[2]);
        scale(layer.top(), f[0], f[1], f[2]);
        return callText("glScalef", {f[0], f[1], f[2]});
    case 5:
        for (int i = 0; i < 6; i += 2) {
            v[i] = maker.between(-500, 500);
            v[i + 1] = v[i] + maker.between(0.5, 1000) * (maker.upTo(5) == 0 ? -1 : 1);
        }
        glOrtho(v[0], v[1], v[2], v[3], v[4], v[5]);
        ortho(layer.top(), v[0], v[1], v[2], v[3], v[4], v[5]);
        return callText("glOrtho", {v[0], v[1], v[2], v[3], v[4], v[5]});
    case 6:
        v[0] = maker.between(1, 179);
        v[1] = maker.between(0.25, 4);
        v[2] = maker.between(0.01, 10);
        v[3] = v[2] + maker.between(0.1, 1000);
        gluPerspective(v[0], v[1], v[2], v[3]);
        perspective(layer.top(), v[0], v[1], v[2], v[3]);
        return callText("gluPerspective", {v[0], v[1], v[2], v[3]});
    case 7:
        for (double& value : v)
            value = maker.between(-50, 50);
        gluLookAt(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
        lookAt(layer.top(), v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
        return callText("gluLookAt", {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]});
    case 8:
        glPushMatrix();
        return pushMatrix(layer.stacks[layer.current]) ? "glPushMatrix()"
                                                       : "glPushMatrix(), refused by the layer";
    default:
        glPopMatrix();
        return popMatrix(layer.stacks[layer.current]) ? "glPopMatrix()"
                                                      : "glPopMatrix(), refused by the layer";
    }
}

static bool sameFloat(float a, float b) {
    std::uint32_t bitsA, bitsB;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    constexpr std::uint32_t sign = 0x80000000u;
    return bitsA == bitsB || ((bitsA | sign) == sign && (bitsB | sign) == sign);
}

// Every way GL's two stacks differ from the layer's: the top matrices bit for bit (a zero's
// sign aside), the depths.
static std::string differences(const LayerMatrices& layer) {
    std::string found;
    for (int s = 0; s < 2; ++s) {
        const char* name = s == 0 ? "modelview" : "projection";
        GLfloat mesa[16];
        glGetFloatv(s == 0 ? GL_MODELVIEW_MATRIX : GL_PROJECTION_MATRIX, mesa);
        const Matrix4& ours = topMatrix(layer.stacks[s]);
        for (std::size_t i = 0; i < 16; ++i)
            if (!sameFloat(mesa[i], ours.m[i])) {
                char text[128];
                std::snprintf(text, sizeof text, "  %s element %zu: Mesa %a, layer %a\n", name, i,
                              mesa[i], ours.m[i]);
                found += text;
            }
        GLint depth = 0;
        glGetIntegerv(s == 0 ? GL_MODELVIEW_STACK_DEPTH : GL_PROJECTION_STACK_DEPTH, &depth);
        if (depth != layer.stacks[s].top + 1)
            found += std::string("  ") + name + " depth: Mesa " + std::to_string(depth) +
                     ", layer " + std::to_string(layer.stacks[s].top + 1) + "\n";
    }
    return found;
}

static void resetGl() {
    while (glGetError() != GL_NO_ERROR) {
    }
    for (const GLenum mode : {GL_PROJECTION, GL_MODELVIEW}) {
        glMatrixMode(mode);
        while (glGetError() == GL_NO_ERROR)
            glPopMatrix();
        glLoadIdentity();
    }
}

static constexpr int sequenceCount = 2000;
static constexpr int callsPerSequence = 40;

// The report of the first call after which the two differ in sequence `sequence`, with the
// calls that led there; empty when they never do.
static std::string firstDifference(int sequence) {
    resetGl();
    LayerMatrices layer;
    CallMaker maker{std::mt19937(static_cast<unsigned>(sequence))};
    std::string calls;
    for (int call = 1; call <= callsPerSequence; ++call) {
        calls += "  " + randomCall(maker, layer) + "\n";
        const std::string found = differences(layer);
        if (!found.empty())
            return "sequence " + std::to_string(sequence) + ", after call " + std::to_string(call) +
                   ":\n" + calls + "differs:\n" + found;
    }
    return "";
}

TEST(LayerMatrices, RandomCallSequencesGiveMesasMatrices) {
    openTestWindow(64, 64);
    for (int sequence = 0; sequence < sequenceCount; ++sequence) {
        const std::string report = firstDifference(sequence);
        ASSERT_TRUE(report.empty()) << report;
    }
}

TEST(LayerMatrices, StacksAreAsDeepAsMesasAndRefuseTheSameCalls) {
    openTestWindow(64, 64);
    GLint modelviewMax = 0, projectionMax = 0;
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &modelviewMax);
    glGetIntegerv(GL_MAX_PROJECTION_STACK_DEPTH, &projectionMax);
    EXPECT_EQ(modelviewMax, matrixStackDepth);
    EXPECT_EQ(projectionMax, matrixStackDepth);
    resetGl();
    LayerMatrices layer;
    // Past the top and back past the bottom: each call refused by both or by neither.
    for (int call = 0; call < 2 * (matrixStackDepth + 4); ++call) {
        const bool push = call < matrixStackDepth + 4;
        glTranslatef(1, 2, 3); // a matrix to tell the levels apart
        translate(layer.top(), 1, 2, 3);
        push ? glPushMatrix() : glPopMatrix();
        const bool done = push ? pushMatrix(layer.stacks[0]) : popMatrix(layer.stacks[0]);
        EXPECT_EQ(glGetError(), done   ? GL_NO_ERROR
                                : push ? GL_STACK_OVERFLOW
                                       : GL_STACK_UNDERFLOW)
            << (push ? "push " : "pop ") << call;
        ASSERT_EQ(differences(layer), "") << (push ? "push " : "pop ") << call;
    }
}
