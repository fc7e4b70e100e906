#include "pictures/canvas.h"

#include <cmath>

Canvas makeCanvas(int width, int height) {
    Canvas c;
    c.width = width;
    c.height = height;
    c.px.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Rgb{});
    return c;
}

float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float sdCircle(float x, float y, float cx, float cy, float radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

float sdSegment(float x, float y, float ax, float ay, float bx, float by) {
    const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? clamp01((px * dx + py * dy) / len2) : 0.0f;
    return std::hypot(px - dx * t, py - dy * t);
}

float sdRoundBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight,
                 float radius) {
    const float qx = std::fabs(x - cx) - halfWidth + radius;
    const float qy = std::fabs(y - cy) - halfHeight + radius;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}
