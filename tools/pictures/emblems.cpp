#include "pictures/emblems.h"

#include <algorithm>
#include <array>
#include <cmath>

static float centre(int i) {
    return static_cast<float>(i) + 0.5f;
}

struct Corner {
    float x, y, depth; // depth grows towards the viewer
};

// Cube corners (+-1 on each axis) turned 45 degrees about the vertical and tipped towards
// the viewer, a little less than isometric so the far corner does not hide behind the near one.
static std::array<Corner, 8> projectedCorners(float size) {
    std::array<Corner, 8> out{};
    const float yaw = 0.785398f, pitch = 0.45f;
    const float scale = size * 0.27f;
    for (int i = 0; i < 8; ++i) {
        const float x = (i & 1) ? 1.0f : -1.0f, y = (i & 2) ? 1.0f : -1.0f,
                    z = (i & 4) ? 1.0f : -1.0f;
        const float x1 = x * std::cos(yaw) - z * std::sin(yaw);
        const float z1 = x * std::sin(yaw) + z * std::cos(yaw);
        const float y1 = y * std::cos(pitch) - z1 * std::sin(pitch);
        const float depth = y * std::sin(pitch) + z1 * std::cos(pitch);
        out[static_cast<std::size_t>(i)] = {size / 2 + x1 * scale, size / 2 - y1 * scale, depth};
    }
    return out;
}

Canvas cubeLogo(int size) {
    Canvas c = makeCanvas(size, size);
    const std::array<Corner, 8> p = projectedCorners(static_cast<float>(size));
    // The farthest corner is hidden behind the cube; its three edges are drawn faint, the
    // way a wireframe logo shows depth.
    int hidden = 0;
    for (int k = 1; k < 8; ++k)
        if (p[static_cast<std::size_t>(k)].depth < p[static_cast<std::size_t>(hidden)].depth)
            hidden = k;
    const float line = std::max(1.0f, static_cast<float>(size) / 64);
    const Rgb cyan{0.25f, 0.9f, 1.0f}, white{1, 1, 1};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float px = centre(x), py = centre(y);
            Rgb colour{};
            for (int a = 0; a < 8; ++a)
                for (int bit = 1; bit < 8; bit <<= 1) {
                    const int b = a | bit;
                    if (b == a) continue;
                    const auto& pa = p[static_cast<std::size_t>(a)];
                    const auto& pb = p[static_cast<std::size_t>(b)];
                    const float d = sdSegment(px, py, pa.x, pa.y, pb.x, pb.y) - line / 2;
                    const bool back = a == hidden || b == hidden;
                    const float strength = back ? 0.3f : 1.0f;
                    colour = colour + cyan * (strength * coverage(d));
                    colour = colour + cyan * (strength * 0.25f * std::exp(-std::max(d, 0.0f) / 2));
                }
            for (int k = 0; k < 8; ++k) {
                if (k == hidden) continue;
                const auto& q = p[static_cast<std::size_t>(k)];
                colour = colour + white * coverage(sdCircle(px, py, q.x, q.y, line * 1.6f));
            }
            at(c, x, y) = {clamp01(colour.r), clamp01(colour.g), clamp01(colour.b)};
        }
    return c;
}

Canvas portraitBadge(Font& font, std::string_view name, int size, Rgb tint) {
    Canvas c = makeCanvas(size, size);
    const float s = static_cast<float>(size);
    const float stroke = s / 96;
    const float inset = s * 0.06f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float px = centre(x), py = centre(y);
            const float frame = std::fabs(sdRoundBox(px, py, s / 2, s / 2, s / 2 - inset,
                                                     s / 2 - inset, s * 0.08f)) -
                                stroke / 2;
            // Head and the curve of the shoulders, cut off where the name panel starts.
            const float head = sdCircle(px, py, s / 2, s * 0.33f, s * 0.12f);
            const float body =
                std::max(sdCircle(px, py, s / 2, s * 0.74f, s * 0.24f), py - s * 0.64f);
            const float figure = std::min(head, body);
            const float outline = std::fabs(figure) - stroke / 2;
            // Fill fades towards the bottom so the outline reads as a bust.
            const float fill =
                coverage(figure) * (0.35f - 0.25f * clamp01((py - s * 0.2f) / s * 2));
            const float light = std::max(coverage(frame), coverage(outline)) + fill;
            at(c, x, y) = tint * clamp01(light);
        }
    const int boxWidth = static_cast<int>(s * 0.72f), boxHeight = static_cast<int>(s * 0.13f);
    const Coverage text = fitText(font, name, boxWidth, boxHeight);
    const int x0 = (size - text.width) / 2;
    const int y0 = static_cast<int>(s * 0.79f) - text.height / 2;
    drawText(c, text, x0, y0, TextPaint{Rgb{1, 1, 1}, tint, tint * 0.4f, 2});
    return c;
}
