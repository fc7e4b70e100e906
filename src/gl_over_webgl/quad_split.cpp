#include "quad_split.h"

std::size_t quadCount(std::size_t count) {
    return count / 4;
}

std::size_t stripQuadCount(std::size_t count) {
    return count < 4 ? 0 : (count - 2) / 2;
}

QuadTriangles quadTriangles(std::size_t quad) {
    const std::size_t a = 4 * quad;
    return {{{a, a + 1, a + 2}, {a, a + 2, a + 3}}};
}

QuadTriangles stripQuadTriangles(std::size_t quad) {
    const std::size_t a = 2 * quad;
    return {{{a, a + 1, a + 3}, {a + 2, a, a + 3}}};
}
