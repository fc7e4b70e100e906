#include "webgl_backend.h"

#include <cstdio>
#include <cstring>
#include <emscripten/em_js.h>
#include <emscripten/html5.h>
#include <new>
#include <unordered_map>
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

// What the layer keeps of each texture it hands out, to make it again after a lost context.
// A lost context takes every WebGL object with it, images included, and WebGL cannot be
// asked for them back; a program uploads its pictures once, at start-up (the show's 29, and
// never again), and the layer knows nothing of where they came from. So it keeps its own
// copy of every image: the bytes it was given, rows packed tight (for the show, 5.7 MiB).
struct KeptTexture {
    GLuint webgl = 0; // 0 while the context is lost
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    int minFilter = GL_NEAREST_MIPMAP_LINEAR, magFilter = GL_LINEAR; // GL's defaults
};
static std::unordered_map<unsigned, KeptTexture> keptTextures; // by the handle given out
static unsigned nextTextureHandle = 1;

// GLUT draws on the page's canvas, Module.canvas, which the pages give emscripten's usual id;
// the html5 API finds its targets by selector.
static constexpr const char* canvasSelector = "#canvas";
static bool watchingContext;
// From the canvas's webglcontextlost until everything is made again on webglcontextrestored.
static bool contextLost;

// The page learns of the loss, and of the picture's return, from events on the canvas.
EM_JS(void, tellCanvas, (const char* selector, const char* type), {
    document.querySelector(UTF8ToString(selector)).dispatchEvent(new Event(UTF8ToString(type)));
});

static void watchContext();

// Whether WebGL may be called. A lost context says so a moment before its event comes, and
// an object asked for then comes back null (emscripten's wrappers throw on some); nothing
// is drawn or made until the context is back and the layer has made its objects again.
static bool webglReady() {
    if (!watchingContext) watchContext();
    return !contextLost &&
           !emscripten_is_webgl_context_lost(emscripten_webgl_get_current_context());
}

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
    const GLuint vertexShader = compileShader(GL_VERTEX_SHADER, vertexShaderSource);
    const GLuint fragmentShader = compileShader(GL_FRAGMENT_SHADER, fragmentShaderSource);
    emscripten_glAttachShader(program, vertexShader);
    emscripten_glAttachShader(program, fragmentShader);
    emscripten_glLinkProgram(program);
    // The program keeps them; only the program's name is left to give back.
    emscripten_glDeleteShader(vertexShader);
    emscripten_glDeleteShader(fragmentShader);
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

static GLuint webglTexture(unsigned handle) {
    const auto found = keptTextures.find(handle);
    return found != keptTextures.end() ? found->second.webgl : 0;
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
        emscripten_glBindTexture(GL_TEXTURE_2D, webglTexture(s.texture));
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
    if (!webglReady()) {
        pending.clear();
        return;
    }
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
    if (!webglReady()) return;
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
    if (!webglReady()) return;
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

// At targetWidth x targetHeight.
static void makeTarget() {
    if (targetFramebuffer == 0) {
        emscripten_glGenFramebuffers(1, &targetFramebuffer);
        emscripten_glGenRenderbuffers(1, &targetColour);
        emscripten_glGenRenderbuffers(1, &targetDepth);
    }
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, targetColour);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, targetWidth, targetHeight);
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, targetDepth);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, targetWidth,
                                     targetHeight);
    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
    emscripten_glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                         targetColour);
    emscripten_glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                         targetDepth);
}

// While the context is lost only the size is kept; the target is made at it on the return.
void setTargetSize(int width, int height) {
    if (targetFramebuffer != 0 && width == targetWidth && height == targetHeight) return;
    flushTriangles();
    targetWidth = width;
    targetHeight = height;
    if (webglReady()) makeTarget();
}

void presentTarget(int x, int y) {
    flushTriangles();
    if (!webglReady()) return;
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

// Textures are changed on unit 0 outside any batch; the batch's own binding is put back.
static void withTextureBound(GLuint texture, auto change) {
    flushTriangles();
    makeProgram();
    emscripten_glBindTexture(GL_TEXTURE_2D, texture);
    change();
    emscripten_glBindTexture(GL_TEXTURE_2D, webglTexture(appliedState.texture));
}

static void sendImage(const KeptTexture& kept) {
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, kept.width, kept.height, 0, GL_RGB,
                            GL_UNSIGNED_BYTE, kept.rgb.empty() ? nullptr : kept.rgb.data());
}

// The WebGL texture of a kept one, with its filters and its image if it has one.
static void makeWebglTexture(KeptTexture& kept) {
    emscripten_glGenTextures(1, &kept.webgl);
    withTextureBound(kept.webgl, [&] {
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, kept.minFilter);
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, kept.magFilter);
        if (kept.width > 0 && kept.height > 0) sendImage(kept);
    });
}

unsigned makeTexture() {
    const unsigned handle = nextTextureHandle++;
    KeptTexture& kept = keptTextures[handle];
    if (webglReady()) makeWebglTexture(kept);
    return handle;
}

void deleteTexture(unsigned texture) {
    flushTriangles();
    const auto found = keptTextures.find(texture);
    if (found == keptTextures.end()) return;
    // Also on a lost context, which deletes nothing and says nothing: emscripten's name goes.
    emscripten_glDeleteTextures(1, &found->second.webgl);
    keptTextures.erase(found);
    if (appliedState.texture == texture) stateApplied = false;
}

bool uploadRgbTexture(unsigned texture, int width, int height, const void* rows, int alignment) {
    KeptTexture& kept = keptTextures[texture];
    const std::size_t rowBytes = width > 0 && height > 0 ? std::size_t(width) * 3 : 0;
    const std::size_t stride = (rowBytes + alignment - 1) / alignment * alignment;
    try {
        kept.rgb.assign(rowBytes * (rowBytes > 0 ? height : 0), 0);
        kept.rgb.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        kept.rgb = {};
        kept.width = kept.height = 0;
        return false;
    }
    if (rows != nullptr)
        for (std::size_t row = 0; rowBytes > 0 && row < std::size_t(height); ++row)
            std::memcpy(kept.rgb.data() + row * rowBytes,
                        static_cast<const unsigned char*>(rows) + row * stride, rowBytes);
    kept.width = width;
    kept.height = height;
    if (!webglReady()) return true;
    if (kept.webgl == 0)
        makeWebglTexture(kept);
    else
        withTextureBound(kept.webgl, [&] { sendImage(kept); });
    return true;
}

void setTextureFilters(unsigned texture, int minFilter, int magFilter) {
    KeptTexture& kept = keptTextures[texture];
    kept.minFilter = minFilter;
    kept.magFilter = magFilter;
    if (!webglReady() || kept.webgl == 0) return;
    withTextureBound(kept.webgl, [&] {
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    });
}

// Kept from the first answer: a lost context has none to give.
int largestTextureSide() {
    static GLint side = 0;
    if (side == 0 && webglReady()) emscripten_glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side;
}

unsigned takeWebglError() {
    return emscripten_glGetError();
}

// WebGL's objects die with the context. Deleting them on a lost context does nothing in
// WebGL and records no error, but gives emscripten's names back.
static void forgetWebglObjects() {
    pending.clear();
    stateApplied = false;
    if (program != 0) {
        emscripten_glDeleteProgram(program);
        emscripten_glDeleteVertexArrays(1, &vertexArray);
        emscripten_glDeleteBuffers(1, &vertexBuffer);
    }
    if (targetFramebuffer != 0) {
        emscripten_glDeleteFramebuffers(1, &targetFramebuffer);
        emscripten_glDeleteRenderbuffers(1, &targetColour);
        emscripten_glDeleteRenderbuffers(1, &targetDepth);
    }
    program = vertexArray = vertexBuffer = targetFramebuffer = targetColour = targetDepth = 0;
    for (auto& [handle, kept] : keptTextures) {
        emscripten_glDeleteTextures(1, &kept.webgl);
        kept.webgl = 0;
    }
}

static EM_BOOL contextLostNow(int, const void*, void*) {
    contextLost = true;
    forgetWebglObjects();
    tellCanvas(canvasSelector, "quorrin-gl-lost");
    return EM_TRUE; // html5 then prevents the default, which is never to give it back
}

// Everything as it was before the loss, so the next frame draws as it would have.
static EM_BOOL contextBack(int, const void*, void*) {
    contextLost = false;
    if (!webglReady()) return EM_TRUE; // lost again already: its own event follows
    makeProgram();
    if (targetWidth > 0) makeTarget();
    for (auto& [handle, kept] : keptTextures)
        makeWebglTexture(kept);
    tellCanvas(canvasSelector, "quorrin-gl-restored");
    return EM_TRUE;
}

// From the first call made with a context: before GLUT has made one there is nothing to lose.
static void watchContext() {
    if (emscripten_webgl_get_current_context() == 0) return;
    watchingContext = true;
    emscripten_set_webglcontextlost_callback(canvasSelector, nullptr, EM_FALSE, contextLostNow);
    emscripten_set_webglcontextrestored_callback(canvasSelector, nullptr, EM_FALSE, contextBack);
}
