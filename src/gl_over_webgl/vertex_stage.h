// Fixed-function vertex processing on the CPU: position to clip space, lighting by light 0
// with colour material, sphere-map texture coordinates, colour clamping. The frame's pixels
// are then filled by WebGL from these results alone.
#pragma once
#include "matrix_math.h"

// What GL holds current when a vertex is sent.
struct VertexAttributes {
    float position[3];
    float normal[3];
    float colour[4]; // as given, also outside 0 ... 1
    float texCoord[2];
};

// A vertex ready for rasterisation.
struct ShadedVertex {
    Vec4 clip;
    float colour[4]; // clamped to 0 ... 1
    float texCoord[2];
};

struct LightingSettings {
    bool lighting;
    bool light0;
    bool colourMaterial;
    float lightDirection[3]; // light 0's direction in eye space, unit length
};

struct TexGenSettings {
    bool sphereMapS;
    bool sphereMapT;
};

// Everything a vertex is processed with, fixed between glBegin and glEnd.
struct VertexStage {
    Matrix4 modelview;
    Matrix4 modelviewProjection;
    NormalMatrix normalMatrix;
    LightingSettings lighting;
    TexGenSettings texGen;
};

VertexStage makeVertexStage(const Matrix4& modelview, const Matrix4& projection,
                            const LightingSettings& lighting, const TexGenSettings& texGen);
ShadedVertex shadeVertex(const VertexStage& stage, const VertexAttributes& vertex);
