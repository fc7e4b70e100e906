#include "vertex_stage.h"

#include <algorithm>
#include <cmath>

// GL's defaults for everything the layer offers no call to change: the global ambient light
// (0.2, 0.2, 0.2, 1), light 0 with black ambient and white diffuse light, and the material
// (ambient 0.2, diffuse 0.8, specular and emission black). With a black specular material the
// specular term is zero, so it is not computed.
static constexpr float globalAmbient = 0.2f;
static constexpr float defaultMaterialAmbient = 0.2f;
static constexpr float defaultMaterialDiffuse = 0.8f;

VertexStage makeVertexStage(const Matrix4& modelview, const Matrix4& projection,
                            const LightingSettings& lighting, const TexGenSettings& texGen) {
    return {modelview, multiply(projection, modelview), normalMatrixOf(modelview), lighting,
            texGen};
}

struct Vec3 {
    float x, y, z;
};

static float dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Turned, not renormalised: a scaled modelview scales the normal and with it the diffuse
// light and the sphere map, as in fixed-function GL without GL_NORMALIZE.
static Vec3 eyeNormal(const NormalMatrix& n, const float* normal) {
    return {n[0] * normal[0] + n[1] * normal[1] + n[2] * normal[2],
            n[3] * normal[0] + n[4] * normal[1] + n[5] * normal[2],
            n[6] * normal[0] + n[7] * normal[1] + n[8] * normal[2]};
}

static float clampUnit(float value) {
    return std::clamp(value, 0.0f, 1.0f);
}

static void lightColour(const VertexStage& stage, const Vec3& normal, const float* colour,
                        float* out) {
    const LightingSettings& lighting = stage.lighting;
    // Colour material makes the current colour both the ambient and the diffuse material.
    float ambient[3], diffuse[4];
    for (int i = 0; i < 3; ++i) {
        ambient[i] = lighting.colourMaterial ? colour[i] : defaultMaterialAmbient;
        diffuse[i] = lighting.colourMaterial ? colour[i] : defaultMaterialDiffuse;
    }
    diffuse[3] = lighting.colourMaterial ? colour[3] : 1.0f;
    float diffuseFactor = 0;
    if (lighting.light0) {
        const Vec3 toLight = {lighting.lightDirection[0], lighting.lightDirection[1],
                              lighting.lightDirection[2]};
        diffuseFactor = std::max(dot(normal, toLight), 0.0f);
    }
    for (int i = 0; i < 3; ++i)
        out[i] = clampUnit(ambient[i] * globalAmbient + diffuseFactor * diffuse[i]);
    out[3] = clampUnit(diffuse[3]);
}

// GL's sphere map: the eye's view ray u reflected about the eye-space normal n,
// r = u - 2 n (n . u), gives s, t = r / m + 1/2 with m = 2 sqrt(rx^2 + ry^2 + (rz + 1)^2).
static void sphereMap(const Vec3& normal, const Vec4& eye, float* s, float* t) {
    const float length = std::sqrt(eye.x * eye.x + eye.y * eye.y + eye.z * eye.z);
    const Vec3 u =
        length > 0 ? Vec3{eye.x / length, eye.y / length, eye.z / length} : Vec3{0, 0, 0};
    const float twiceNU = 2 * dot(normal, u);
    const Vec3 r = {u.x - twiceNU * normal.x, u.y - twiceNU * normal.y, u.z - twiceNU * normal.z};
    const float half = 0.5f / std::sqrt(r.x * r.x + r.y * r.y + (r.z + 1) * (r.z + 1));
    if (s != nullptr) *s = r.x * half + 0.5f;
    if (t != nullptr) *t = r.y * half + 0.5f;
}

ShadedVertex shadeVertex(const VertexStage& stage, const VertexAttributes& vertex) {
    ShadedVertex out;
    const float* p = vertex.position;
    out.clip = transformPoint(stage.modelviewProjection, p[0], p[1], p[2]);

    const bool needNormal =
        stage.lighting.lighting || stage.texGen.sphereMapS || stage.texGen.sphereMapT;
    const Vec3 normal = needNormal ? eyeNormal(stage.normalMatrix, vertex.normal) : Vec3{0, 0, 0};

    if (stage.lighting.lighting)
        lightColour(stage, normal, vertex.colour, out.colour);
    else
        for (int i = 0; i < 4; ++i)
            out.colour[i] = clampUnit(vertex.colour[i]);

    out.texCoord[0] = vertex.texCoord[0];
    out.texCoord[1] = vertex.texCoord[1];
    if (stage.texGen.sphereMapS || stage.texGen.sphereMapT) {
        const Vec4 eye = transformPoint(stage.modelview, p[0], p[1], p[2]);
        sphereMap(normal, eye, stage.texGen.sphereMapS ? &out.texCoord[0] : nullptr,
                  stage.texGen.sphereMapT ? &out.texCoord[1] : nullptr);
    }
    return out;
}
