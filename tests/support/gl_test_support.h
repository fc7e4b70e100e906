// A real GL context for tests: one freeglut window per test process, the show's own
// start-up, frames drawn into an off-screen framebuffer, and helpers to observe GL.
#pragma once
#include <GL/gl.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Opens the window (once per process) and makes its context current. Draws go to an
// off-screen framebuffer of the same size, so what display() swaps does not matter.
void openTestWindow(int width = 320, int height = 240);

// openTestWindow, then the show's own initDemo() and reshape(width, height).
void startShowForTest(int width = 320, int height = 240);

// Draws the frame the show draws at elapsedMs through display() and the virtual clock.
// The first call latches the show's start at clock 0 without drawing anything earlier.
void drawShowFrameAt(std::uint32_t elapsedMs);

struct Rgb {
    int r, g, b;
};
// Pixel (x, y) of the off-screen framebuffer, origin at the lower left.
Rgb readPixel(int x, int y);
// The whole framebuffer, RGB rows bottom to top.
std::vector<std::uint8_t> readFramebuffer();
int testWidth();
int testHeight();

// Feedback mode: what draw() sends to the rasteriser, after transformation and clipping.
struct FeedbackVertex {
    float x, y, z;                    // window coordinates
    float r = 0, g = 0, b = 0, a = 0; // with GL_3D_COLOR or GL_3D_COLOR_TEXTURE
    float s = 0, t = 0, p = 0, q = 0; // with GL_3D_COLOR_TEXTURE
};
struct FeedbackPrimitive {
    GLenum kind; // GL_POINT_TOKEN, GL_LINE_TOKEN (also for line resets), GL_POLYGON_TOKEN
    bool lineReset = false;
    std::vector<FeedbackVertex> vertices;
};
std::vector<FeedbackPrimitive> captureFeedback(GLenum type, const std::function<void()>& draw);

// Sets a 4096 x 4096 viewport, an orthographic projection and an identity modelview under
// which feedback coordinates map one to one back to object coordinates in -2048..2048 on
// every axis: see objectCoordinates. The caller's projection is replaced (not saved).
void useIdentityWindowMapping();
// Undoes the window mapping of useIdentityWindowMapping on a feedback vertex.
FeedbackVertex objectCoordinates(const FeedbackVertex& window);

// Depths of the two matrix stacks.
int modelviewDepth();
int projectionDepth();

// What draw() hands to GL, counted by the pipeline-statistics queries: every vertex sent
// between begin and end, and the primitives they make (a quad counts once, a line strip of
// n vertices as n - 1 lines). Culled and clipped primitives are counted too.
struct SubmittedCounts {
    std::uint64_t vertices = 0;
    std::uint64_t primitives = 0;
};
SubmittedCounts countSubmitted(const std::function<void()>& draw);

// Feedback does not mark where one line strip ends and the next begins (this driver sends no
// reset tokens), so the line segments are joined back into runs: a segment that starts where
// the previous one ended continues its run. Each run lists its vertices, shared ends once.
// Polygons and points are skipped.
std::vector<std::vector<FeedbackVertex>> lineRuns(const std::vector<FeedbackPrimitive>& primitives);

// Every way the GL state differs from the show's resting state between frames: both matrix
// stacks at depth 1 with the modelview selected and holding the identity, blending,
// lighting, light 0 and texture generation off, depth test and culling on, texture 0 bound
// with texturing on, and no GL error pending (a stack over- or underflow leaves one). Empty
// when there is none.
std::string restingStateFaults();

// Every way the vertices (already mapped back to the drawing's own x and y) differ from a
// textured square of the given lower-left corner and edge with the picture shown upright:
// texture coordinates (1, 1), (0, 1), (0, 0), (1, 0) at the lower-left, lower-right,
// upper-right and upper-left corners, every corner used, no other vertex. Empty when none.
std::string uprightSquareFaults(const std::vector<FeedbackVertex>& vertices, float left,
                                float bottom, float edge);
