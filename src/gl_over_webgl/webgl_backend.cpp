#include "webgl_backend.h"

#include <cstdio>
#include <vector>
#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

// Colour times texture (GL's modulate), or the colour alone. Colour and texture coordinates
// are interpolated perspective-correct, as Mesa interpolates them.
static constexpr const char* vertexShaderSource = R"(#version 300 es
layout(location = 0) in vec4 position;
layout(location = 1) in vec4 colour;
layout(location = 2) in vec2 texCoord;
out vec4 vertexColour;
out vec2 vertexTexCoord;
void main() {
    gl_Position = position;
    vertexColour = colour;
    vertexTexCoord = texCoord;
}
)";

static constexpr const char* fragmentShaderSource = R"(#version 300 es
precision highp float;
uniform sampler2D image;
uniform bool textured;
in vec4 vertexColour;
in vec2 vertexTexCoord;
out vec4 fragmentColour;
void main() {
    vec4 colour = textured ? vertexColour * texture(image, vertexTexCoord) : vertexColour;
    // Mesa blends 8-bit colours: the fragment is rounded to 8 bits before it is multiplied
    // and added, where WebGL would blend it at full precision.
    fragmentColour = floor(colour * 255.0 + 0.5) / 255.0;
}
)";

static GLuint program;
static GLint texturedLocation;
static GLuint vertexArray;
static GLuint vertexBuffer;
static GLuint targetFramebuffer;
static GLuint targetColour;
static GLuint targetDepth;
static int targetWidth, targetHeight;

static std::vector<DrawVertex> pending;
static FragmentState pendingState;
static FragmentState appliedState;
static bool stateApplied; // false until appliedState has been set on WebGL once

static GLuint compileShader(GLenum type, const char* source) {
    const GLuint shader = emscripten_glCreateShader(type);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint compiled = 0;
    emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0) {
        char log[1024] = {};
        emscripten_glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "quorrin: shader did not compile: %s\n", log);
    }
    return shader;
}

static void makeProgram() {
    if (program != 0) return;
    program = emscripten_glCreateProgram();
    emscripten_glAttachShader(program, compileShader(GL_VERTEX_SHADER, vertexShaderSource));
    emscripten_glAttachShader(program, compileShader(GL_FRAGMENT_SHADER, fragmentShaderSource));
    emscripten_glLinkProgram(program);
    emscripten_glUseProgram(program);
    emscripten_glUniform1i(emscripten_glGetUniformLocation(program, "image"), 0);
    texturedLocation = emscripten_glGetUniformLocation(program, "textured");

    emscripten_glGenVertexArrays(1, &vertexArray);
    emscripten_glBindVertexArray(vertexArray);
    emscripten_glGenBuffers(1, &vertexBuffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    constexpr GLsizei stride = sizeof(DrawVertex);
    emscripten_glEnableVertexAttribArray(0);
    emscripten_glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, stride,
                                     reinterpret_cast<void*>(offsetof(DrawVertex, position)));
    emscripten_glEnableVertexAttribArray(1);
    emscripten_glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride,
                                     reinterpret_cast<void*>(offsetof(DrawVertex, colour)));
    emscripten_glEnableVertexAttribArray(2);
    emscripten_glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                                     reinterpret_cast<void*>(offsetof(DrawVertex, texCoord)));
    // WebGL dithers by default; GL drivers writing 8 bits per channel do not.
    emscripten_glDisable(GL_DITHER);
}

static void setCapability(GLenum capability, bool on) {
    if (on)
        emscripten_glEnable(capability);
    else
        emscripten_glDisable(capability);
}

static void applyState(const FragmentState& s) {
    const FragmentState& a = appliedState;
    const bool all = !stateApplied;
    if (all || s.blend != a.blend) setCapability(GL_BLEND, s.blend);
    if (all || s.blendSource != a.blendSource || s.blendDestination != a.blendDestination)
        emscripten_glBlendFunc(s.blendSource, s.blendDestination);
    if (all || s.depthTest != a.depthTest) setCapability(GL_DEPTH_TEST, s.depthTest);
    if (all || s.cullFace != a.cullFace) setCapability(GL_CULL_FACE, s.cullFace);
    if (all || s.scissorTest != a.scissorTest) setCapability(GL_SCISSOR_TEST, s.scissorTest);
    if (all || s.scissor[0] != a.scissor[0] || s.scissor[1] != a.scissor[1] ||
        s.scissor[2] != a.scissor[2] || s.scissor[3] != a.scissor[3])
        emscripten_glScissor(s.scissor[0], s.scissor[1], s.scissor[2], s.scissor[3]);
    if (all || s.viewport[0] != a.viewport[0] || s.viewport[1] != a.viewport[1] ||
        s.viewport[2] != a.viewport[2] || s.viewport[3] != a.viewport[3])
        emscripten_glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    if (all || s.texture != a.texture) {
        emscripten_glBindTexture(GL_TEXTURE_2D, s.texture);
        emscripten_glUniform1i(texturedLocation, s.texture != 0 ? 1 : 0);
    }
    appliedState = s;
    stateApplied = true;
}

static void bindTarget() {
    if (targetFramebuffer == 0) setTargetSize(1, 1);
    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
}

void flushTriangles() {
    if (pending.empty()) return;
    makeProgram();
    bindTarget();
    applyState(pendingState);
    emscripten_glBufferData(GL_ARRAY_BUFFER,
                            static_cast<GLsizeiptr>(pending.size() * sizeof(DrawVertex)),
                            pending.data(), GL_STREAM_DRAW);
    emscripten_glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(pending.size()));
    pending.clear();
}

void finishTarget() {
    flushTriangles();
    // Reading a pixel back waits for every draw before it, which WebGL's finish need not.
    unsigned char pixel[4];
    bindTarget();
    emscripten_glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
}

void useFragmentState(const FragmentState& state) {
    if (state == pendingState) return;
    flushTriangles();
    pendingState = state;
}

void addTriangle(const DrawVertex& a, const DrawVertex& b, const DrawVertex& c) {
    pending.push_back(a);
    pending.push_back(b);
    pending.push_back(c);
}

void clearTarget(bool colour, bool depth, const float clearColour[4], bool scissorTest,
                 const int scissor[4]) {
    flushTriangles();
    makeProgram();
    bindTarget();
    FragmentState state = appliedState;
    state.scissorTest = scissorTest;
    for (int i = 0; i < 4; ++i)
        state.scissor[i] = scissor[i];
    applyState(state);
    emscripten_glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
    emscripten_glClear((colour ? GL_COLOR_BUFFER_BIT : 0u) | (depth ? GL_DEPTH_BUFFER_BIT : 0u));
}

void setTargetSize(int width, int height) {
    if (targetFramebuffer != 0 && width == targetWidth && height == targetHeight) return;
    flushTriangles();
    if (targetFramebuffer == 0) {
        emscripten_glGenFramebuffers(1, &targetFramebuffer);
        emscripten_glGenRenderbuffers(1, &targetColour);
        emscripten_glGenRenderbuffers(1, &targetDepth);
    }
    targetWidth = width;
    targetHeight = height;
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, targetColour);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, targetDepth);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
    emscripten_glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                         targetColour);
    emscripten_glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                         targetDepth);
}

void presentTarget(int x, int y) {
    flushTriangles();
    makeProgram();
    bindTarget();
    emscripten_glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    emscripten_glDisable(GL_SCISSOR_TEST);
    emscripten_glClearColor(0, 0, 0, 1);
    emscripten_glClear(GL_COLOR_BUFFER_BIT);
    emscripten_glBlitFramebuffer(0, 0, targetWidth, targetHeight, x, y, x + targetWidth,
                                 y + targetHeight, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
    setCapability(GL_SCISSOR_TEST, appliedState.scissorTest);
}

unsigned makeTexture() {
    GLuint texture = 0;
    emscripten_glGenTextures(1, &texture);
    return texture;
}

void deleteTexture(unsigned texture) {
    flushTriangles();
    const GLuint name = texture;
    emscripten_glDeleteTextures(1, &name);
    if (appliedState.texture == texture) stateApplied = false;
}

// Textures are changed on unit 0 outside any batch; the batch's own binding is put back.
static void withTextureBound(unsigned texture, auto change) {
    flushTriangles();
    makeProgram();
    emscripten_glBindTexture(GL_TEXTURE_2D, texture);
    change();
    emscripten_glBindTexture(GL_TEXTURE_2D, appliedState.texture);
}

void uploadRgbTexture(unsigned texture, int width, int height, const void* rows, int alignment) {
    withTextureBound(texture, [&] {
        emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
        emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, width, height, 0, GL_RGB,
                                GL_UNSIGNED_BYTE, rows);
    });
}

void setTextureFilters(unsigned texture, int minFilter, int magFilter) {
    withTextureBound(texture, [&] {
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    });
}

int largestTextureSide() {
    GLint side = 0;
    emscripten_glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side;
}

unsigned takeWebglError() {
    return emscripten_glGetError();
}
