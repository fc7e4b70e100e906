// glEnable and glDisable, handing each capability to the part of the layer that owns it.
#include "errors.h"
#include "lighting.h"
#include "raster_state.h"
#include "textures.h"

#include <GL/gl.h>

static void setCapability(GLenum cap, bool on) {
    switch (cap) {
    case GL_BLEND:
        setBlendEnabled(on);
        break;
    case GL_DEPTH_TEST:
        setDepthTestEnabled(on);
        break;
    case GL_CULL_FACE:
        setCullFaceEnabled(on);
        break;
    case GL_SCISSOR_TEST:
        setScissorTestEnabled(on);
        break;
    case GL_TEXTURE_2D:
        setTexturingEnabled(on);
        break;
    case GL_LIGHTING:
        setLightingEnabled(on);
        break;
    case GL_LIGHT0:
        setLight0Enabled(on);
        break;
    case GL_COLOR_MATERIAL:
        setColourMaterialEnabled(on);
        break;
    case GL_TEXTURE_GEN_S:
    case GL_TEXTURE_GEN_T:
        setTexGenEnabled(cap == GL_TEXTURE_GEN_S, on);
        break;
    default:
        recordGlError(GL_INVALID_ENUM);
    }
}

void glEnable(GLenum cap) {
    setCapability(cap, true);
}

void glDisable(GLenum cap) {
    setCapability(cap, false);
}
