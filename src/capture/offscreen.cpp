#include "capture/offscreen.h"

#include "shell/picture_framebuffer.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <algorithm>

static int frameWidth;
static int frameHeight;
static PictureArea picture; // what is drawn, and where it goes in the frame
static GLuint drawFramebuffer;
static GLuint resolveFramebuffer; // 0 without multisampling

static void ignoreRedisplay() {}

std::string openOffscreen(int width, int height, const PictureArea& area, int msaa) {
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

    frameWidth = width;
    frameHeight = height;
    picture = area;
    if (msaa > 1) {
        resolveFramebuffer = makePictureFramebuffer(area.width, area.height, 0, false).framebuffer;
        if (resolveFramebuffer == 0) return "cannot make the off-screen framebuffer";
    }
    drawFramebuffer =
        makePictureFramebuffer(area.width, area.height, msaa > 1 ? msaa : 0, true).framebuffer;
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
    glBlitFramebuffer(0, 0, picture.width, picture.height, 0, 0, picture.width, picture.height,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, resolveFramebuffer);
}

void readOffscreen(std::vector<std::uint8_t>& rgb) {
    resolve();
    // Every output (frames, stills, video, storyboard tiles) gets the bars from here.
    rgb.assign(static_cast<std::size_t>(frameWidth) * static_cast<std::size_t>(frameHeight) * 3, 0);
    const std::size_t corner =
        static_cast<std::size_t>(picture.y) * static_cast<std::size_t>(frameWidth) +
        static_cast<std::size_t>(picture.x);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, frameWidth);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE,
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
