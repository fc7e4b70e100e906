#include "programs/capture/offscreen.h"

#include "programs/capture/framebuffer.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <algorithm>

static CaptureFrame frame; // its size, and where the picture is drawn in it
static GLuint drawFramebuffer;
static GLuint resolveFramebuffer; // 0 without multisampling

static void ignoreRedisplay() {}

const CaptureFrame& offscreenFrame() {
    return frame;
}

std::string openOffscreen(const CaptureFrame& wanted, int msaa) {
    const PictureArea& area = wanted.picture;
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
    if (area.width > largest || area.height > largest || area.width > viewport[0] ||
        area.height > viewport[1])
        return "this GL draws at most " + std::to_string(std::min<int>(largest, viewport[0])) +
               "x" + std::to_string(std::min<int>(largest, viewport[1])) + " pixels";
    if (msaa > maxSamples)
        return "--msaa " + std::to_string(msaa) + ": this GL offers at most " +
               std::to_string(maxSamples) + " samples per pixel";

    frame = wanted;
    if (msaa > 1) {
        resolveFramebuffer = makeFramebuffer(area.width, area.height, 0, false).framebuffer;
        if (resolveFramebuffer == 0) return "cannot make the off-screen framebuffer";
    }
    drawFramebuffer =
        makeFramebuffer(area.width, area.height, msaa > 1 ? msaa : 0, true).framebuffer;
    if (drawFramebuffer == 0) return "cannot make the off-screen framebuffer";
    glViewport(0, 0, area.width, area.height);
    return {};
}

void bindOffscreen() {
    glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer);
}

static void resolve() {
    if (resolveFramebuffer == 0) return;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, drawFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer);
    glBlitFramebuffer(0, 0, frame.picture.width, frame.picture.height, 0, 0, frame.picture.width,
                      frame.picture.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, resolveFramebuffer);
}

void readOffscreen(std::vector<std::uint8_t>& rgb) {
    resolve();
    // Every output (frames, stills, video, storyboard tiles) gets the bars from here.
    rgb.assign(static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height) * 3,
               0);
    const std::size_t corner =
        static_cast<std::size_t>(frame.picture.y) * static_cast<std::size_t>(frame.width) +
        static_cast<std::size_t>(frame.picture.x);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, frame.width);
    glReadPixels(0, 0, frame.picture.width, frame.picture.height, GL_RGB, GL_UNSIGNED_BYTE,
                 rgb.data() + corner * 3);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
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
