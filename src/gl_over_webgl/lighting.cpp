#include "lighting.h"

#include "errors.h"
#include "matrix_stacks.h"

#include <GL/gl.h>
#include <cmath>

static LightingSettings lighting = {false, false, false, {0, 0, 1}}; // GL's default (0, 0, 1, 0)
static bool texGenS, texGenT; // sphere map, the only mode offered

LightingSettings lightingSettings() {
    return lighting;
}

TexGenSettings texGenSettings() {
    return {texGenS, texGenT};
}

void setLightingEnabled(bool on) {
    lighting.lighting = on;
}

void setLight0Enabled(bool on) {
    lighting.light0 = on;
}

void setColourMaterialEnabled(bool on) {
    lighting.colourMaterial = on;
}

void setTexGenEnabled(bool s, bool on) {
    (s ? texGenS : texGenT) = on;
}

// Only directional lights (w = 0) are offered. The position is taken through the modelview
// of the moment and kept as a unit direction, as GL keeps it.
void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    if (light != GL_LIGHT0 || pname != GL_POSITION || params[3] != 0) {
        recordGlError(GL_INVALID_ENUM);
        return;
    }
    const Matrix4& m = modelviewMatrix();
    const float x = m.m[0] * params[0] + m.m[4] * params[1] + m.m[8] * params[2];
    const float y = m.m[1] * params[0] + m.m[5] * params[1] + m.m[9] * params[2];
    const float z = m.m[2] * params[0] + m.m[6] * params[1] + m.m[10] * params[2];
    const float squared = x * x + y * y + z * z;
    if (squared == 0) return;
    const float inverseLength = 1.0f / std::sqrt(squared);
    lighting.lightDirection[0] = x * inverseLength;
    lighting.lightDirection[1] = y * inverseLength;
    lighting.lightDirection[2] = z * inverseLength;
}

void glTexGeni(GLenum coord, GLenum pname, GLint param) {
    if ((coord != GL_S && coord != GL_T) || pname != GL_TEXTURE_GEN_MODE || param != GL_SPHERE_MAP)
        recordGlError(GL_INVALID_ENUM);
}
