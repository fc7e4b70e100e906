#include "capture/offscreen.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <algorithm>

static int frameWidth;
static int frameHeight;
static GLuint drawFramebuffer;
static GLuint resolveFramebuffer; // 0 without multisampling

static void ignoreRedisplay() {}

// Colour without alpha, like the show's GLUT_RGB window, so blending sees the same
// destination; depth like GLUT_DEPTH.
static GLuint makeFramebuffer(int samples, bool withDepth) {
    GLuint framebuffer = 0, colour = 0, depth = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGB8, frameWidth, frameHeight);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    if (withDepth) {
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, frameWidth,
                                         frameHeight);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    }
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE ? framebuffer : 0;
}

std::string openOffscreen(int width, int height, int msaa) {
    int argc = 1;
    char name[] = "quorrin-capture";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGB);
    glutInitWindowSize(64, 64);
    glutCreateWindow(name);
    // The window only carries the context: keep it off the desktop. GLUT hides it while
    // handling its events, which needs some display routine.
    glutDisplayFunc(ignoreRedisplay);
    glutHideWindow();
    glutMainLoopEvent();

    GLint largest = 0, viewport[2] = {0, 0}, maxSamples = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    if (width > largest || height > largest || width > viewport[0] || height > viewport[1])
        return "this GL draws at most " + std::to_string(std::min<int>(largest, viewport[0])) +
               "x" + std::to_string(std::min<int>(largest, viewport[1])) + " pixels";
    if (msaa > maxSamples)
        return "--msaa " + std::to_string(msaa) + ": this GL offers at most " +
               std::to_string(maxSamples) + " samples per pixel";

    frameWidth = width;
    frameHeight = height;
    if (msaa > 1) {
        resolveFramebuffer = makeFramebuffer(0, false);
        if (resolveFramebuffer == 0) return "cannot make the off-screen framebuffer";
    }
    drawFramebuffer = makeFramebuffer(msaa > 1 ? msaa : 0, true);
    if (drawFramebuffer == 0) return "cannot make the off-screen framebuffer";
    glViewport(0, 0, width, height);
    return {};
}

void bindOffscreen() {
    glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer);
}

static void resolve() {
    if (resolveFramebuffer == 0) return;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, drawFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer);
    glBlitFramebuffer(0, 0, frameWidth, frameHeight, 0, 0, frameWidth, frameHeight,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, resolveFramebuffer);
}

void readOffscreen(std::vector<std::uint8_t>& rgb) {
    resolve();
    rgb.resize(static_cast<std::size_t>(frameWidth) * static_cast<std::size_t>(frameHeight) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, frameWidth, frameHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    bindOffscreen();
}

void finishOffscreen() {
    resolve();
    glFinish();
    bindOffscreen();
}

std::string rendererName() {
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return name ? name : "unknown";
}
