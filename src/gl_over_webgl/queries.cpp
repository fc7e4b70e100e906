// The queries the programs make of GL.
#include "errors.h"
#include "raster_state.h"
#include "webgl_backend.h"

#include <GL/gl.h>

void glGetIntegerv(GLenum pname, GLint* params) {
    if (pname == GL_MAX_TEXTURE_SIZE)
        *params = largestTextureSide();
    else
        recordGlError(GL_INVALID_ENUM);
}

void glGetFloatv(GLenum pname, GLfloat* params) {
    if (pname != GL_COLOR_CLEAR_VALUE) {
        recordGlError(GL_INVALID_ENUM);
        return;
    }
    for (int i = 0; i < 4; ++i)
        params[i] = currentClearColour()[i];
}

// A GL 1.x layer of its own: no extensions, and no version that would promise more.
const GLubyte* glGetString(GLenum name) {
    const char* text = nullptr;
    switch (name) {
    case GL_VENDOR:
        text = "quorrin";
        break;
    case GL_RENDERER:
        text = "quorrin GL 1.x over WebGL2";
        break;
    case GL_VERSION:
        text = "1.1";
        break;
    case GL_EXTENSIONS:
        text = "";
        break;
    default:
        recordGlError(GL_INVALID_ENUM);
    }
    return reinterpret_cast<const GLubyte*>(text);
}

void glFinish() {
    finishTarget();
}
