// GL's error flag: the first error the layer itself detected, else the oldest WebGL recorded.
#include "errors.h"

#include "webgl_backend.h"

static GLenum recordedError = GL_NO_ERROR;

void recordGlError(GLenum error) {
    if (recordedError == GL_NO_ERROR) recordedError = error;
}

GLenum glGetError() {
    if (recordedError != GL_NO_ERROR) {
        const GLenum error = recordedError;
        recordedError = GL_NO_ERROR;
        return error;
    }
    return takeWebglError();
}
