// The layer cases drawn by the native GL (Mesa under a virtual X server) into an RGB
// framebuffer like the capture's, written as a binary PPM: layer_cases_native FILE.
#include "layer_cases.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DEPTH | GLUT_DOUBLE);
    glutCreateWindow("layer cases");
    constexpr int width = caseTileWidth * caseColumns, height = caseTileHeight * caseRows;
    GLuint framebuffer = 0, buffers[2] = {0, 0};
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(2, buffers);
    glBindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    glBindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);

    drawLayerCases();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width * height * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) return 1;
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    // GL's rows run bottom to top, a picture file's top to bottom.
    for (int row = height - 1; row >= 0; --row)
        std::fwrite(&rgb[static_cast<std::size_t>(row * width * 3)], 1,
                    static_cast<std::size_t>(width * 3), file);
    return std::fclose(file) == 0 ? 0 : 1;
}
