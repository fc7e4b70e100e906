#include "raster_state.h"

#include "errors.h"
#include "textures.h"

#include <GL/gl.h>
#include <algorithm>

static FragmentState raster; // its texture is filled in when asked for
static float lineWidth = 1;
static float clearColour[4] = {0, 0, 0, 0};

FragmentState currentFragmentState() {
    FragmentState state = raster;
    state.texture = textureForDrawing();
    return state;
}

float currentLineWidth() {
    return lineWidth;
}

const int* currentViewport() {
    return raster.viewport;
}

const float* currentClearColour() {
    return clearColour;
}

void setBlendEnabled(bool on) {
    raster.blend = on;
}

void setDepthTestEnabled(bool on) {
    raster.depthTest = on;
}

void setCullFaceEnabled(bool on) {
    raster.cullFace = on;
}

void setScissorTestEnabled(bool on) {
    raster.scissorTest = on;
}

void glBlendFunc(GLenum sfactor, GLenum dfactor) {
    raster.blendSource = sfactor;
    raster.blendDestination = dfactor;
}

void glLineWidth(GLfloat width) {
    if (width <= 0) {
        recordGlError(GL_INVALID_VALUE);
        return;
    }
    lineWidth = width;
}

// The viewport and the scissor box are both a corner and a size that may not be negative.
static void setRectangle(int (&rectangle)[4], GLint x, GLint y, GLsizei width, GLsizei height) {
    if (width < 0 || height < 0) {
        recordGlError(GL_INVALID_VALUE);
        return;
    }
    rectangle[0] = x;
    rectangle[1] = y;
    rectangle[2] = width;
    rectangle[3] = height;
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    setRectangle(raster.viewport, x, y, width, height);
}

void glScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    setRectangle(raster.scissor, x, y, width, height);
}

// GL 1.x keeps the clear colour clamped to 0 ... 1.
void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    const float given[4] = {red, green, blue, alpha};
    for (int i = 0; i < 4; ++i)
        clearColour[i] = std::clamp(given[i], 0.0f, 1.0f);
}

void glClear(GLbitfield mask) {
    if ((mask & ~(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)) != 0) {
        recordGlError(GL_INVALID_VALUE);
        return;
    }
    clearTarget((mask & GL_COLOR_BUFFER_BIT) != 0, (mask & GL_DEPTH_BUFFER_BIT) != 0, clearColour,
                raster.scissorTest, raster.scissor);
}
