// An off-screen framebuffer of the show's own format: the capture draws its frames into one,
// of any size and optionally multisampled, whatever the screen.
#pragma once
#include <GL/gl.h>

struct Framebuffer {
    GLuint framebuffer = 0; // 0 when it could not be made
    GLuint colour = 0;
    GLuint depth = 0; // 0 without a depth buffer
};

// RGB colour without alpha, like the show's GLUT_RGB window, so additive blending sees the
// same destination; a 24-bit depth buffer like GLUT_DEPTH when withDepth. samples > 1
// multisamples. Leaves the new framebuffer bound; on failure nothing is left behind.
Framebuffer makeFramebuffer(int width, int height, int samples, bool withDepth);
void deleteFramebuffer(Framebuffer& target);
