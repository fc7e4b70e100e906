#include "gl_test_support.h"

#include "platform/clock_virtual.h"
#include "shell/callbacks.h"
#include "shell/sequencer.h"
#include "shell/startup.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <cstdio>
#include <cstdlib>

static int width;
static int height;
static bool windowOpen;

int testWidth() { return width; }
int testHeight() { return height; }

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
        demoFlags |= demoStartLatched; // the show started at clock 0
        demoStartMs = 0;
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
    case GL_2D: return 2;
    case GL_3D: return 3;
    case GL_3D_COLOR: return 7;
    case GL_3D_COLOR_TEXTURE: return 11;
    case GL_4D_COLOR_TEXTURE: return 12;
    default: return 3;
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
        case GL_POINT_TOKEN: count = 1; break;
        case GL_LINE_TOKEN: count = 2; break;
        case GL_LINE_RESET_TOKEN:
            primitive.kind = GL_LINE_TOKEN;
            primitive.lineReset = true;
            count = 2;
            break;
        case GL_POLYGON_TOKEN: count = static_cast<int>(buffer[i++]); break;
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN: count = 1; break;
        case GL_PASS_THROUGH_TOKEN: i += 1; continue;
        default: std::fprintf(stderr, "unknown feedback token %u\n", token); std::abort();
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
