#include "primitives.h"

#include "line_quads.h"
#include "quad_split.h"
#include "webgl_backend.h"

#include <GL/gl.h>
#include <algorithm>
#include <vector>

static GLenum mode;
static float lineWidth;
static float viewportScale[2], viewportOffset[2];
static std::vector<ShadedVertex> vertices;

void beginAssembly(unsigned primitive, float width, const int viewport[4]) {
    mode = primitive;
    lineWidth = width;
    for (int axis = 0; axis < 2; ++axis) {
        viewportScale[axis] = 0.5f * static_cast<float>(viewport[2 + axis]);
        viewportOffset[axis] = viewportScale[axis] + static_cast<float>(viewport[axis]);
    }
    vertices.clear();
}

void assembleVertex(const ShadedVertex& vertex) {
    vertices.push_back(vertex);
}

static DrawVertex drawVertex(const ShadedVertex& v) {
    return {{v.clip.x, v.clip.y, v.clip.z, v.clip.w},
            {v.colour[0], v.colour[1], v.colour[2], v.colour[3]},
            {v.texCoord[0], v.texCoord[1]}};
}

static void triangle(std::size_t a, std::size_t b, std::size_t c) {
    addTriangle(drawVertex(vertices[a]), drawVertex(vertices[b]), drawVertex(vertices[c]));
}

static void triangles(const QuadTriangles& split) {
    for (const TriangleCorners& t : split)
        triangle(t[0], t[1], t[2]);
}

static ShadedVertex interpolate(const ShadedVertex& a, const ShadedVertex& b, float t) {
    auto mix = [t](float from, float to) { return from + t * (to - from); };
    ShadedVertex v;
    v.clip = {mix(a.clip.x, b.clip.x), mix(a.clip.y, b.clip.y), mix(a.clip.z, b.clip.z),
              mix(a.clip.w, b.clip.w)};
    for (int i = 0; i < 4; ++i)
        v.colour[i] = mix(a.colour[i], b.colour[i]);
    for (int i = 0; i < 2; ++i)
        v.texCoord[i] = mix(a.texCoord[i], b.texCoord[i]);
    return v;
}

// Distances to the six planes of the view volume; inside where all are at least 0.
static float planeDistance(const Vec4& p, int plane) {
    switch (plane) {
    case 0:
        return p.x + p.w;
    case 1:
        return p.w - p.x;
    case 2:
        return p.y + p.w;
    case 3:
        return p.w - p.y;
    case 4:
        return p.z + p.w;
    default:
        return p.w - p.z;
    }
}

// Cuts both ends back to the view volume at once, from the original ends, as Mesa does.
static bool clipLine(ShadedVertex& a, ShadedVertex& b) {
    float cutA = 0, cutB = 0;
    for (int plane = 0; plane < 6; ++plane) {
        const float da = planeDistance(a.clip, plane);
        const float db = planeDistance(b.clip, plane);
        if (db < 0) cutB = std::max(cutB, db / (db - da));
        if (da < 0) cutA = std::max(cutA, da / (da - db));
        if (cutA + cutB >= 1) return false;
    }
    const ShadedVertex originalA = a;
    if (cutA > 0) a = interpolate(a, b, cutA);
    if (cutB > 0) b = interpolate(b, originalA, cutB);
    return true;
}

static WindowVertex toWindow(const ShadedVertex& v) {
    WindowVertex w;
    w.invW = 1.0f / v.clip.w;
    w.x = v.clip.x * w.invW * viewportScale[0] + viewportOffset[0];
    w.y = v.clip.y * w.invW * viewportScale[1] + viewportOffset[1];
    w.z = v.clip.z * w.invW * 0.5f + 0.5f;
    std::copy_n(v.colour, 4, w.colour);
    std::copy_n(v.texCoord, 2, w.texCoord);
    return w;
}

static DrawVertex fromWindow(const WindowVertex& v) {
    const float w = 1.0f / v.invW;
    const float ndcX = (v.x - viewportOffset[0]) / viewportScale[0];
    const float ndcY = (v.y - viewportOffset[1]) / viewportScale[1];
    const float ndcZ = (v.z - 0.5f) / 0.5f;
    return {{ndcX * w, ndcY * w, ndcZ * w, w},
            {v.colour[0], v.colour[1], v.colour[2], v.colour[3]},
            {v.texCoord[0], v.texCoord[1]}};
}

static void line(std::size_t a, std::size_t b) {
    ShadedVertex from = vertices[a], to = vertices[b];
    if (!clipLine(from, to)) return;
    const LineQuad quad = lineQuad(toWindow(from), toWindow(to), lineWidth);
    if (quad.empty) return;
    const DrawVertex c0 = fromWindow(quad.corners[0]), c1 = fromWindow(quad.corners[1]),
                     c2 = fromWindow(quad.corners[2]), c3 = fromWindow(quad.corners[3]);
    addTriangle(c0, c1, c2);
    addTriangle(c0, c2, c3);
}

void endAssembly() {
    const std::size_t n = vertices.size();
    switch (mode) {
    case GL_TRIANGLES:
        for (std::size_t i = 0; i + 2 < n; i += 3)
            triangle(i, i + 1, i + 2);
        break;
    case GL_TRIANGLE_STRIP:
        for (std::size_t i = 0; i + 2 < n; ++i)
            if (i % 2 == 0)
                triangle(i, i + 1, i + 2);
            else
                triangle(i + 1, i, i + 2);
        break;
    case GL_QUADS:
        for (std::size_t quad = 0; quad < quadCount(n); ++quad)
            triangles(quadTriangles(quad));
        break;
    case GL_QUAD_STRIP:
        for (std::size_t quad = 0; quad < stripQuadCount(n); ++quad)
            triangles(stripQuadTriangles(quad));
        break;
    case GL_LINES:
        for (std::size_t i = 0; i + 1 < n; i += 2)
            line(i, i + 1);
        break;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        for (std::size_t i = 0; i + 1 < n; ++i)
            line(i, i + 1);
        if (mode == GL_LINE_LOOP && n >= 2) line(n - 1, 0);
        break;
    default:
        break;
    }
    vertices.clear();
}
