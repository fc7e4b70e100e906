#include "programs/capture/framebuffer.h"

#include <GL/glext.h>

Framebuffer makeFramebuffer(int width, int height, int samples, bool withDepth) {
    Framebuffer made;
    glGenFramebuffers(1, &made.framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, made.framebuffer);
    glGenRenderbuffers(1, &made.colour);
    glBindRenderbuffer(GL_RENDERBUFFER, made.colour);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGB8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, made.colour);
    if (withDepth) {
        glGenRenderbuffers(1, &made.depth);
        glBindRenderbuffer(GL_RENDERBUFFER, made.depth);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, width,
                                         height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, made.depth);
    }
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        deleteFramebuffer(made);
    }
    return made;
}

void deleteFramebuffer(Framebuffer& target) {
    if (target.framebuffer != 0) glDeleteFramebuffers(1, &target.framebuffer);
    if (target.colour != 0) glDeleteRenderbuffers(1, &target.colour);
    if (target.depth != 0) glDeleteRenderbuffers(1, &target.depth);
    target = {};
}
