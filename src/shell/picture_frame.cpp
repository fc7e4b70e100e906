#include "shell/picture_frame.h"

#include "shell/picture_area.h"
#include "shell/picture_framebuffer.h"
#include "shell/projection.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdlib>
#include <cstring>

static PictureRoute route = PictureRoute::direct;
static PictureArea picture;
static PictureFramebuffer pictureTarget;
static int targetWidth, targetHeight; // the size pictureTarget was made at
static GLint screenFramebuffer;       // what the frame began drawing into: the window's own

static bool framebufferObjectsAvailable() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version != nullptr && std::atoi(version) >= 3) return true;
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions != nullptr && std::strstr(extensions, "GL_ARB_framebuffer_object");
}

void reshapeFullScreen(int width, int height) {
    const PictureArea area = pictureAreaFor(width, height);
    if (area.width == 0 || fillsTarget(area, width, height))
        placePicture(width, height, PictureRoute::direct);
    else
        placePicture(width, height,
                     framebufferObjectsAvailable() ? PictureRoute::framebuffer
                                                   : PictureRoute::scissor);
}

static void dropPictureTarget() {
    deletePictureFramebuffer(pictureTarget);
    targetWidth = targetHeight = 0;
}

void placePicture(int width, int height, PictureRoute chosen) {
    route = chosen;
    picture = pictureAreaFor(width, height);
    if (route == PictureRoute::direct) {
        dropPictureTarget();
        reshape(width, height);
        return;
    }
    if (route == PictureRoute::framebuffer &&
        (targetWidth != picture.width || targetHeight != picture.height)) {
        GLint bound = 0;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
        dropPictureTarget();
        pictureTarget = makePictureFramebuffer(picture.width, picture.height, 0, true);
        glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(bound));
        if (pictureTarget.framebuffer != 0) {
            targetWidth = picture.width;
            targetHeight = picture.height;
        }
    }
    if (route == PictureRoute::framebuffer && pictureTarget.framebuffer == 0)
        route = PictureRoute::scissor;
    if (route == PictureRoute::scissor) dropPictureTarget();
    // The viewport and projection of a window the picture's size.
    reshape(picture.width, picture.height);
    // Without a framebuffer of its own the picture is drawn in place. The viewport transform
    // then rounds a little differently than at the origin, so a few pixels differ from a
    // picture drawn alone at this size; to the eye it is the same.
    if (route == PictureRoute::scissor)
        glViewport(picture.x, picture.y, picture.width, picture.height);
}

PictureRoute pictureRoute() {
    return route;
}

// Blacks out the whole colour buffer without changing the clear colour the scene set for
// its next frame.
static void clearToBlack() {
    GLfloat kept[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, kept);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(kept[0], kept[1], kept[2], kept[3]);
}

void beginPictureFrame() {
    switch (route) {
    case PictureRoute::direct:
        break;
    case PictureRoute::framebuffer:
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &screenFramebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, pictureTarget.framebuffer);
        break;
    case PictureRoute::scissor:
        // The bars are cleared here; everything after, the frame's own clear and a scene's
        // flash included, stays inside the picture.
        clearToBlack();
        glScissor(picture.x, picture.y, picture.width, picture.height);
        glEnable(GL_SCISSOR_TEST);
        break;
    }
}

void presentPictureFrame() {
    switch (route) {
    case PictureRoute::direct:
        break;
    case PictureRoute::framebuffer: {
        const auto screen = static_cast<GLuint>(screenFramebuffer);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, pictureTarget.framebuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, screen);
        clearToBlack();
        // One to one and nearest: the picture's pixels arrive unchanged.
        glBlitFramebuffer(0, 0, picture.width, picture.height, picture.x, picture.y,
                          picture.x + picture.width, picture.y + picture.height,
                          GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, screen);
        break;
    }
    case PictureRoute::scissor:
        glDisable(GL_SCISSOR_TEST);
        break;
    }
}
