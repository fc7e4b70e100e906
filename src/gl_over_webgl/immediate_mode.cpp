// Immediate mode, and the vertex arrays the GLUT shapes are drawn from.
#include "errors.h"
#include "lighting.h"
#include "matrix_stacks.h"
#include "primitives.h"
#include "raster_state.h"

#include <GL/gl.h>
#include <algorithm>

// GL's current values; the colour is kept as given and clamped per vertex.
static float currentColour[4] = {1, 1, 1, 1};
static float currentNormal[3] = {0, 0, 1};
static float currentTexCoord[2] = {0, 0};

static bool inside; // between glBegin and glEnd
static VertexStage stage;

static bool isPrimitive(GLenum mode) {
    switch (mode) {
    case GL_LINES:
    case GL_LINE_LOOP:
    case GL_LINE_STRIP:
    case GL_TRIANGLES:
    case GL_TRIANGLE_STRIP:
    case GL_QUADS:
    case GL_QUAD_STRIP:
        return true;
    default:
        return false;
    }
}

static void begin(GLenum mode) {
    stage = makeVertexStage(modelviewMatrix(), projectionMatrix(), lightingSettings(),
                            texGenSettings());
    useFragmentState(currentFragmentState());
    beginAssembly(mode, currentLineWidth(), currentViewport());
}

static void vertex(const float position[3], const float normal[3]) {
    VertexAttributes attributes;
    std::copy_n(position, 3, attributes.position);
    std::copy_n(normal, 3, attributes.normal);
    std::copy_n(currentColour, 4, attributes.colour);
    std::copy_n(currentTexCoord, 2, attributes.texCoord);
    assembleVertex(shadeVertex(stage, attributes));
}

void glBegin(GLenum mode) {
    if (inside || !isPrimitive(mode)) {
        recordGlError(inside ? GL_INVALID_OPERATION : GL_INVALID_ENUM);
        return;
    }
    inside = true;
    begin(mode);
}

void glEnd() {
    if (!inside) {
        recordGlError(GL_INVALID_OPERATION);
        return;
    }
    inside = false;
    endAssembly();
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (!inside) return;
    const float position[3] = {x, y, z};
    vertex(position, currentNormal);
}

void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    currentNormal[0] = x;
    currentNormal[1] = y;
    currentNormal[2] = z;
}

void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    currentColour[0] = red;
    currentColour[1] = green;
    currentColour[2] = blue;
    currentColour[3] = alpha;
}

void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    glColor4f(red, green, blue, 1);
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    currentTexCoord[0] = s;
    currentTexCoord[1] = t;
}

// The vertex arrays: only positions and normals of three floats, tightly packed, drawn by
// index, as the shapes send them. As in Mesa, the array's normals never become the current
// normal: geometry drawn after a shape keeps the normal given before it.
static const float* vertexArray;
static const float* normalArray;
static bool vertexArrayOn, normalArrayOn;

static bool* clientArrayFlag(GLenum array) {
    if (array == GL_VERTEX_ARRAY) return &vertexArrayOn;
    if (array == GL_NORMAL_ARRAY) return &normalArrayOn;
    return nullptr;
}

void glEnableClientState(GLenum array) {
    if (bool* flag = clientArrayFlag(array))
        *flag = true;
    else
        recordGlError(GL_INVALID_ENUM);
}

void glDisableClientState(GLenum array) {
    if (bool* flag = clientArrayFlag(array))
        *flag = false;
    else
        recordGlError(GL_INVALID_ENUM);
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    if (size != 3 || type != GL_FLOAT || stride != 0) {
        recordGlError(GL_INVALID_VALUE);
        return;
    }
    vertexArray = static_cast<const float*>(pointer);
}

void glNormalPointer(GLenum type, GLsizei stride, const void* pointer) {
    if (type != GL_FLOAT || stride != 0) {
        recordGlError(GL_INVALID_VALUE);
        return;
    }
    normalArray = static_cast<const float*>(pointer);
}

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    if (inside || !isPrimitive(mode) || type != GL_UNSIGNED_INT || count < 0) {
        recordGlError(inside ? GL_INVALID_OPERATION : GL_INVALID_ENUM);
        return;
    }
    if (!vertexArrayOn || vertexArray == nullptr) return;
    const auto* index = static_cast<const GLuint*>(indices);
    begin(mode);
    for (GLsizei i = 0; i < count; ++i) {
        const float* position = vertexArray + 3 * std::size_t{index[i]};
        vertex(position, normalArrayOn && normalArray != nullptr
                             ? normalArray + 3 * std::size_t{index[i]}
                             : currentNormal);
    }
    endAssembly();
}
