// An off-screen framebuffer of the show's own format, for pictures drawn somewhere other
// than straight into the window.
#pragma once
#include <GL/gl.h>

struct PictureFramebuffer {
    GLuint framebuffer = 0; // 0 when it could not be made
    GLuint colour = 0;
    GLuint depth = 0; // 0 without a depth buffer
};

// RGB colour without alpha, like the show's GLUT_RGB window, so additive blending sees the
// same destination; a 24-bit depth buffer like GLUT_DEPTH when withDepth. samples > 1
// multisamples. Leaves the new framebuffer bound; on failure nothing is left behind.
PictureFramebuffer makePictureFramebuffer(int width, int height, int samples, bool withDepth);
void deletePictureFramebuffer(PictureFramebuffer& target);
