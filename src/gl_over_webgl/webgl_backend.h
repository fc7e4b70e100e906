// The only part of the layer that talks to WebGL2 itself. Everything above it works out, on
// the CPU, what GL 1.x would draw; this fills triangles into the draw target (a framebuffer
// of the frame's own size) with one small shader program, batching triangles that share
// their fragment state, and puts the target on the canvas. No GL header is included here, so the
// layer's own glXxx functions and WebGL's never meet in one file.
//
// It also outlives a lost WebGL context: while the canvas's context is lost nothing is drawn
// or made, and once it is restored the backend makes again everything it had made (the
// program, the buffers, the target at its size, every texture with its image and filters)
// before the next frame. The canvas hears of both through the events quorrin-gl-lost and
// quorrin-gl-restored. Above this file a lost context shows only as WebGL's errors.
#pragma once
#include <cstddef>

// A triangle corner in clip space, with what the fragment shader needs.
struct DrawVertex {
    float position[4];
    float colour[4];
    float texCoord[2];
};

// The state a batch of triangles is drawn with. Enumerations carry GL's values.
struct FragmentState {
    bool blend = false;
    unsigned blendSource = 1, blendDestination = 0; // GL_ONE, GL_ZERO
    bool depthTest = false;
    bool cullFace = false;
    bool scissorTest = false;
    int scissor[4] = {0, 0, 0, 0};
    int viewport[4] = {0, 0, 0, 0};
    unsigned texture = 0; // from makeTexture, or 0 for untextured
    bool operator==(const FragmentState&) const = default;
};

// Sets the state the following triangles are drawn with; a change draws what is pending.
void useFragmentState(const FragmentState& state);
void addTriangle(const DrawVertex& a, const DrawVertex& b, const DrawVertex& c);
// Draws everything pending.
void flushTriangles();
// Draws everything pending and waits until the target holds it.
void finishTarget();

// Clears the target (colour, depth or both) through the scissor rectangle when enabled.
void clearTarget(bool colour, bool depth, const float clearColour[4], bool scissorTest,
                 const int scissor[4]);

// The off-screen target the frames are drawn into: RGB without alpha and a 24-bit depth
// buffer, like the native capture's framebuffer. Made on first use, remade on a new size.
void setTargetSize(int width, int height);
// Copies the target one to one into the canvas at (x, y), the rest of the canvas black.
void presentTarget(int x, int y);

// Textures by handles of the backend's own, which stay the same over a lost context.
unsigned makeTexture();
void deleteTexture(unsigned texture);
// rows: tightly packed or aligned to `alignment` bytes, as GL_UNPACK_ALIGNMENT says. The
// image is kept, to be sent again after a lost context; false when there is no memory for it.
bool uploadRgbTexture(unsigned texture, int width, int height, const void* rows, int alignment);
void setTextureFilters(unsigned texture, int minFilter, int magFilter);

int largestTextureSide();
// The oldest error WebGL has recorded, or 0.
unsigned takeWebglError();
