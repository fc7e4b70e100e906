#include "gl_test_support.h"

#include "platform/clock_virtual.h"
#include "show/init_demo.h"
#include "show/sequencer.h"
#include "viewer/projection.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>

static int width;
static int height;
static bool windowOpen;

int testWidth() {
    return width;
}
int testHeight() {
    return height;
}

static void makeFramebuffer() {
    GLuint framebuffer = 0, colour = 0, depth = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    glGenRenderbuffers(1, &depth);
    glBindRenderbuffer(GL_RENDERBUFFER, depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        std::fprintf(stderr, "test framebuffer incomplete\n");
        std::abort();
    }
}

void openTestWindow(int w, int h) {
    if (windowOpen) return;
    windowOpen = true;
    width = w;
    height = h;
    int argc = 1;
    char name[] = "quorrin-test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGB);
    glutInitWindowSize(w, h);
    glutCreateWindow("quorrin-test");
    makeFramebuffer();
    glViewport(0, 0, w, h);
}

void startShowForTest(int w, int h) {
    openTestWindow(w, h);
    initDemo();
    reshape(w, h);
}

void drawShowFrameAt(std::uint32_t elapsedMs) {
    if ((demoFlags & demoStartLatched) == 0) {
        setVirtualClockStep(0);
        setVirtualClockMs(0);
        setShowTime(0); // the show started at clock 0
    }
    setVirtualClockMs(elapsedMs);
    display();
}

Rgb readPixel(int x, int y) {
    unsigned char pixel[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    return {pixel[0], pixel[1], pixel[2]};
}

std::vector<std::uint8_t> readFramebuffer() {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

static int valuesPerVertex(GLenum type) {
    switch (type) {
    case GL_2D:
        return 2;
    case GL_3D:
        return 3;
    case GL_3D_COLOR:
        return 7;
    case GL_3D_COLOR_TEXTURE:
        return 11;
    case GL_4D_COLOR_TEXTURE:
        return 12;
    default:
        return 3;
    }
}

static FeedbackVertex readVertex(GLenum type, const GLfloat* v) {
    FeedbackVertex vertex{v[0], v[1], type == GL_2D ? 0.0f : v[2]};
    int at = type == GL_4D_COLOR_TEXTURE ? 4 : 3;
    if (type == GL_3D_COLOR || type == GL_3D_COLOR_TEXTURE || type == GL_4D_COLOR_TEXTURE) {
        vertex.r = v[at];
        vertex.g = v[at + 1];
        vertex.b = v[at + 2];
        vertex.a = v[at + 3];
        at += 4;
    }
    if (type == GL_3D_COLOR_TEXTURE || type == GL_4D_COLOR_TEXTURE) {
        vertex.s = v[at];
        vertex.t = v[at + 1];
        vertex.p = v[at + 2];
        vertex.q = v[at + 3];
    }
    return vertex;
}

std::vector<FeedbackPrimitive> captureFeedback(GLenum type, const std::function<void()>& draw) {
    static std::vector<GLfloat> buffer(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), type, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    if (used < 0) {
        std::fprintf(stderr, "feedback buffer overflow\n");
        std::abort();
    }
    const int size = valuesPerVertex(type);
    std::vector<FeedbackPrimitive> primitives;
    GLint i = 0;
    while (i < used) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        FeedbackPrimitive primitive{token};
        int count = 0;
        switch (token) {
        case GL_POINT_TOKEN:
            count = 1;
            break;
        case GL_LINE_TOKEN:
            count = 2;
            break;
        case GL_LINE_RESET_TOKEN:
            primitive.kind = GL_LINE_TOKEN;
            primitive.lineReset = true;
            count = 2;
            break;
        case GL_POLYGON_TOKEN:
            count = static_cast<int>(buffer[i++]);
            break;
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            count = 1;
            break;
        case GL_PASS_THROUGH_TOKEN:
            i += 1;
            continue;
        default:
            std::fprintf(stderr, "unknown feedback token %u\n", token);
            std::abort();
        }
        for (int k = 0; k < count; ++k, i += size)
            primitive.vertices.push_back(readVertex(type, &buffer[i]));
        primitives.push_back(primitive);
    }
    return primitives;
}

void useIdentityWindowMapping() {
    glViewport(0, 0, 4096, 4096);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2048, 2048, -2048, 2048, -2048, 2048);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

FeedbackVertex objectCoordinates(const FeedbackVertex& window) {
    FeedbackVertex object = window;
    object.x = window.x - 2048;
    object.y = window.y - 2048;
    object.z = (0.5f - window.z) * 4096; // window z = 0.5 - z / 4096 under that ortho
    return object;
}

int modelviewDepth() {
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

int projectionDepth() {
    GLint depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    return depth;
}

SubmittedCounts countSubmitted(const std::function<void()>& draw) {
    GLuint queries[2] = {0, 0};
    glGenQueries(2, queries);
    glBeginQuery(GL_VERTICES_SUBMITTED_ARB, queries[0]);
    glBeginQuery(GL_PRIMITIVES_SUBMITTED_ARB, queries[1]);
    draw();
    glEndQuery(GL_VERTICES_SUBMITTED_ARB);
    glEndQuery(GL_PRIMITIVES_SUBMITTED_ARB);
    GLuint64 vertices = 0, primitives = 0;
    glGetQueryObjectui64v(queries[0], GL_QUERY_RESULT, &vertices);
    glGetQueryObjectui64v(queries[1], GL_QUERY_RESULT, &primitives);
    glDeleteQueries(2, queries);
    return {vertices, primitives};
}

static bool samePlace(const FeedbackVertex& a, const FeedbackVertex& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

std::vector<std::vector<FeedbackVertex>>
lineRuns(const std::vector<FeedbackPrimitive>& primitives) {
    std::vector<std::vector<FeedbackVertex>> runs;
    for (const FeedbackPrimitive& primitive : primitives) {
        if (primitive.kind != GL_LINE_TOKEN) continue;
        const FeedbackVertex& from = primitive.vertices[0];
        const FeedbackVertex& to = primitive.vertices[1];
        if (runs.empty() || primitive.lineReset || !samePlace(runs.back().back(), from))
            runs.push_back({from});
        runs.back().push_back(to);
    }
    return runs;
}

std::string restingStateFaults() {
    std::string faults;
    const auto expect = [&faults](bool holds, const char* what) {
        if (!holds) faults += std::string(faults.empty() ? "" : ", ") + what;
    };
    expect(modelviewDepth() == 1, "modelview stack depth not 1");
    expect(projectionDepth() == 1, "projection stack depth not 1");
    GLint mode = 0, bound = -1;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    expect(mode == GL_MODELVIEW, "matrix mode not modelview");
    GLdouble modelview[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    bool identity = true;
    for (int i = 0; i < 16; ++i)
        identity = identity && modelview[i] == (i % 5 == 0 ? 1 : 0);
    expect(identity, "modelview not the identity");
    expect(!glIsEnabled(GL_BLEND), "blending on");
    expect(glIsEnabled(GL_DEPTH_TEST), "depth test off");
    expect(glIsEnabled(GL_CULL_FACE), "culling off");
    expect(!glIsEnabled(GL_LIGHTING), "lighting on");
    expect(!glIsEnabled(GL_LIGHT0), "light 0 on");
    expect(!glIsEnabled(GL_TEXTURE_GEN_S) && !glIsEnabled(GL_TEXTURE_GEN_T),
           "texture generation on");
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    expect(bound == 0 && glIsEnabled(GL_TEXTURE_2D), "texture 0 not bound and enabled");
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError())
        faults += (faults.empty() ? "GL error " : ", GL error ") + std::to_string(error);
    return faults;
}

std::string uprightSquareFaults(const std::vector<FeedbackVertex>& vertices, float left,
                                float bottom, float edge) {
    const float corners[4][4] = {{left, bottom, 1, 1},
                                 {left + edge, bottom, 0, 1},
                                 {left + edge, bottom + edge, 0, 0},
                                 {left, bottom + edge, 1, 0}};
    std::string faults;
    bool used[4] = {false, false, false, false};
    for (const FeedbackVertex& v : vertices) {
        int corner = -1;
        for (int c = 0; c < 4; ++c)
            if (std::fabs(v.x - corners[c][0]) < 1e-2f && std::fabs(v.y - corners[c][1]) < 1e-2f)
                corner = c;
        const std::string at = "(" + std::to_string(v.x) + ", " + std::to_string(v.y) + ")";
        if (corner < 0) {
            faults += "vertex " + at + " off the corners; ";
            continue;
        }
        used[corner] = true;
        if (v.s != corners[corner][2] || v.t != corners[corner][3])
            faults += "texture coordinate (" + std::to_string(v.s) + ", " + std::to_string(v.t) +
                      ") at " + at + "; ";
    }
    for (int c = 0; c < 4; ++c)
        if (!used[c]) faults += "corner " + std::to_string(c) + " missing; ";
    return faults;
}
