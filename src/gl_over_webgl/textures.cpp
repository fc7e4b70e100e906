#include "textures.h"

#include "errors.h"
#include "webgl_backend.h"

#include <GL/gl.h>
#include <unordered_map>

struct TextureObject {
    unsigned webgl = 0; // the backend's texture, made with the first image
    bool hasImage = false;
    GLint minFilter = GL_NEAREST_MIPMAP_LINEAR; // GL's defaults
    GLint magFilter = GL_LINEAR;
};

static std::unordered_map<GLuint, TextureObject> objects; // name 0 is the default object
static GLuint nextName = 1;
static GLuint bound;
static bool texturing;
static GLint unpackAlignment = 4;

void setTexturingEnabled(bool on) {
    texturing = on;
}

static bool wantsMipmaps(GLint minFilter) {
    return minFilter != GL_NEAREST && minFilter != GL_LINEAR;
}

unsigned textureForDrawing() {
    if (!texturing) return 0;
    const auto found = objects.find(bound);
    if (found == objects.end()) return 0;
    const TextureObject& object = found->second;
    if (!object.hasImage || wantsMipmaps(object.minFilter)) return 0;
    return object.webgl;
}

void glGenTextures(GLsizei n, GLuint* textures) {
    for (GLsizei i = 0; i < n; ++i) {
        while (objects.contains(nextName))
            ++nextName;
        textures[i] = nextName;
        objects[nextName++] = {};
    }
}

void glDeleteTextures(GLsizei n, const GLuint* textures) {
    for (GLsizei i = 0; i < n; ++i) {
        const auto found = objects.find(textures[i]);
        if (textures[i] == 0 || found == objects.end()) continue;
        if (found->second.webgl != 0) deleteTexture(found->second.webgl);
        objects.erase(found);
        if (bound == textures[i]) bound = 0;
    }
}

// Binding a name never made makes it, as in GL 1.x.
void glBindTexture(GLenum target, GLuint texture) {
    if (target != GL_TEXTURE_2D) {
        recordGlError(GL_INVALID_ENUM);
        return;
    }
    objects.try_emplace(texture);
    bound = texture;
}

void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    if (target != GL_TEXTURE_2D ||
        (pname != GL_TEXTURE_MIN_FILTER && pname != GL_TEXTURE_MAG_FILTER)) {
        recordGlError(GL_INVALID_ENUM);
        return;
    }
    TextureObject& object = objects[bound];
    GLint& filter = pname == GL_TEXTURE_MIN_FILTER ? object.minFilter : object.magFilter;
    if (filter == param) return;
    filter = param;
    if (object.webgl != 0) setTextureFilters(object.webgl, object.minFilter, object.magFilter);
}

void glPixelStorei(GLenum pname, GLint param) {
    if (pname != GL_UNPACK_ALIGNMENT || (param != 1 && param != 2 && param != 4 && param != 8)) {
        recordGlError(GL_INVALID_ENUM);
        return;
    }
    unpackAlignment = param;
}

void glTexImage2D(GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    if (target != GL_TEXTURE_2D || level != 0 || internalformat != GL_RGB || border != 0 ||
        format != GL_RGB || type != GL_UNSIGNED_BYTE) {
        recordGlError(GL_INVALID_ENUM);
        return;
    }
    TextureObject& object = objects[bound];
    if (object.webgl == 0) {
        object.webgl = makeTexture();
        setTextureFilters(object.webgl, object.minFilter, object.magFilter);
    }
    const bool kept = uploadRgbTexture(object.webgl, width, height, pixels, unpackAlignment);
    if (!kept) recordGlError(GL_OUT_OF_MEMORY);
    object.hasImage = kept && width > 0 && height > 0;
}
