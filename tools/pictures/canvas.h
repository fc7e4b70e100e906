// A floating-point RGB picture plus the small geometry helpers every generator shares.
#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator*(Rgb a, float s) {
    return {a.r * s, a.g * s, a.b * s};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Rgb mix(Rgb a, Rgb b, float t) {
    return a * (1 - t) + b * t;
}

// Pixels are stored top row first; the encoder takes care of the file's bottom-up order.
struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgb> px;
};

Canvas makeCanvas(int width, int height);

inline Rgb& at(Canvas& c, int x, int y) {
    return c.px[static_cast<std::size_t>(y) * static_cast<std::size_t>(c.width) +
                static_cast<std::size_t>(x)];
}
inline const Rgb& at(const Canvas& c, int x, int y) {
    return c.px[static_cast<std::size_t>(y) * static_cast<std::size_t>(c.width) +
                static_cast<std::size_t>(x)];
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
float smoothstep(float edge0, float edge1, float x);

// Signed distances (negative inside) in pixel units; shapes get anti-aliased edges by
// turning the distance at each pixel centre into a coverage.
float sdCircle(float x, float y, float cx, float cy, float radius);
float sdSegment(float x, float y, float ax, float ay, float bx, float by);
float sdRoundBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight,
                 float radius);
inline float coverage(float distance) {
    return clamp01(0.5f - distance);
}

// Adds colour * amount to a pixel: light adds up, as it does when the show blends.
inline void addLight(Canvas& c, int x, int y, Rgb colour, float amount) {
    Rgb& p = at(c, x, y);
    p = p + colour * amount;
}
