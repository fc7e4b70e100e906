#include "pictures/patterns.h"

#include "pictures/noise.h"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

static constexpr float pi = std::numbers::pi_v<float>;

static float fieldAt(const std::vector<float>& field, int size, int x, int y) {
    x = (x % size + size) % size;
    y = (y % size + size) % size;
    return field[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
                 static_cast<std::size_t>(x)];
}

static float centre(int i) {
    return static_cast<float>(i) + 0.5f;
}

Canvas noiseTexture(int size, int basePeriod, int octaves, std::uint32_t seed) {
    const std::vector<float> field = fbmField(size, basePeriod, octaves, 0.5f, seed);
    Canvas c = makeCanvas(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float v = fieldAt(field, size, x, y);
            at(c, x, y) = {v, v, v};
        }
    return c;
}

Canvas glowSprite(int size) {
    Canvas c = makeCanvas(size, size);
    const float half = static_cast<float>(size) / 2;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float r = std::hypot(centre(x) - half, centre(y) - half) / half;
            const float fall = std::pow(clamp01(1 - r), 1.7f);
            // A tight hot core on top of the wide halo.
            const float core = std::exp(-r * r / 0.02f);
            const float v = clamp01(fall * (0.8f + 0.4f * core));
            at(c, x, y) = {v, v, v};
        }
    return c;
}

Canvas tilePattern(int size) {
    Canvas c = makeCanvas(size, size);
    const std::vector<float> grain = fbmField(size, 16, 4, 0.55f, 0xb4c1u);
    const int tile = size / 4;
    const float t = static_cast<float>(tile);
    constexpr Rgb tints[4] = {
        {0.22f, 0.45f, 0.62f}, {0.30f, 0.36f, 0.66f}, {0.18f, 0.52f, 0.55f}, {0.34f, 0.42f, 0.58f}};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int tx = x / tile, ty = y / tile;
            const float lx = centre(x % tile), ly = centre(y % tile);
            // Bevel: light from the top left, shade on the bottom right.
            const float bevel = t * 0.08f;
            float light = 1.0f;
            if (lx < bevel || ly < bevel) light = 1.35f;
            if (t - lx < bevel || t - ly < bevel) light = 0.55f;
            const float groove = std::min(std::min(lx, t - lx), std::min(ly, t - ly));
            if (groove < 1.5f) light = 0.2f;
            // Embossed ring in the middle of each tile.
            const float ring = std::fabs(std::hypot(lx - t / 2, ly - t / 2) - t * 0.28f);
            const float rim = smoothstep(t * 0.06f, 0.0f, ring);
            const float side = (lx - t / 2) + (ly - t / 2) < 0 ? 1.0f : -1.0f;
            light += rim * 0.35f * side;
            const Rgb base = tints[(tx + 2 * ty) % 4];
            const float g = 0.75f + 0.5f * fieldAt(grain, size, x, y);
            at(c, x, y) = base * (light * g);
        }
    return c;
}

Canvas creditsBackdrop(int size) {
    Canvas c = makeCanvas(size, size);
    const std::vector<float> cloud = fbmField(size, 4, 5, 0.5f, 0x2b2u);
    const float s = static_cast<float>(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float u = centre(x) / s, v = centre(y) / s;
            // Whole periods across the picture keep it seamless when repeated.
            const float w = std::sin(2 * pi * (3 * u + 2 * v)) + std::sin(2 * pi * (5 * v - u)) +
                            std::sin(2 * pi * (2 * u + 4 * fieldAt(cloud, size, x, y)));
            const float k = 0.5f + w / 6;
            const float n = fieldAt(cloud, size, x, y);
            const Rgb deep{0.03f, 0.03f, 0.12f}, violet{0.22f, 0.08f, 0.34f},
                blue{0.08f, 0.20f, 0.42f};
            at(c, x, y) = mix(mix(deep, violet, k * k), blue, n * 0.6f) * (0.7f + 0.5f * n);
        }
    return c;
}

Canvas veil(int size) {
    Canvas c = makeCanvas(size, size);
    const std::vector<float> haze = fbmField(size, 4, 5, 0.55f, 0x5ce3u);
    const std::vector<float> streak = fbmField(size, 2, 3, 0.5f, 0x71u);
    const float cell = static_cast<float>(size) / 8;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float gx = std::fmod(centre(x), cell), gy = std::fmod(centre(y), cell);
            const float line = std::min(std::min(gx, cell - gx), std::min(gy, cell - gy));
            const float grid = coverage(line - 0.6f);
            // Streaks: thin bright contours of a slow noise field.
            const float s = fieldAt(streak, size, x, y);
            const float contour = std::fabs(std::fmod(s * 6, 1.0f) - 0.5f);
            const float streaks = smoothstep(0.04f, 0.0f, contour) * s;
            const float h = fieldAt(haze, size, x, y);
            const float base = 0.02f + 0.06f * h * h;
            const float lightness = base + grid * 0.28f * h + streaks * 0.45f;
            at(c, x, y) = Rgb{0.85f, 0.92f, 1.0f} * lightness;
        }
    return c;
}

Canvas rockTexture(int size) {
    Canvas c = makeCanvas(size, size);
    std::vector<float> height = fbmField(size, 4, 6, 0.55f, 0x40cfu);
    const std::vector<float> cracks = fbmField(size, 8, 3, 0.5f, 0x3accu);
    for (float& h : height)
        h = 1 - std::fabs(2 * h - 1); // ridges where the noise crosses 0.5
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float dx = fieldAt(height, size, x + 1, y) - fieldAt(height, size, x - 1, y);
            const float dy = fieldAt(height, size, x, y + 1) - fieldAt(height, size, x, y - 1);
            // Normal of a surface 1/8 as high as wide, lit from the upper left.
            const float nx = -dx * 8, ny = -dy * 8, nz = 1;
            const float len = std::sqrt(nx * nx + ny * ny + nz * nz);
            const float lit = clamp01((-0.5f * nx - 0.5f * ny + 0.7f * nz) / (len * 0.995f));
            const float h = fieldAt(height, size, x, y);
            const float crack =
                smoothstep(0.03f, 0.0f, std::fabs(fieldAt(cracks, size, x, y) - 0.5f));
            const Rgb stone = mix(Rgb{0.30f, 0.26f, 0.22f}, Rgb{0.62f, 0.58f, 0.52f}, h);
            at(c, x, y) = stone * ((0.35f + 0.8f * lit) * (1 - 0.6f * crack));
        }
    return c;
}

Canvas floorStripes(int size) {
    Canvas c = makeCanvas(size, size);
    const float period = static_cast<float>(size) / 8;
    const float halfWidth = period * 0.14f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float d = std::fabs(std::fmod(centre(x), period) - period / 2) - halfWidth;
            const float core = coverage(d);
            // The halo ends a few pixels out, so the gaps stay truly black.
            const float halo = 0.35f * smoothstep(6.0f, 0.0f, d);
            at(c, x, y) = Rgb{0.85f, 0.95f, 1.0f} * clamp01(core + halo * (1 - core));
        }
    return c;
}
