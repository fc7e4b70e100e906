// Quads and quad strips as the two triangles each quad is filled as. GL allows either
// diagonal; the colours and sphere-map coordinates across a quad show which one is taken, so
// the split is Mesa's: a quad a b c d along a-c, a quad strip's quad a b d c (vertices
// a b c d in the strip) along a-d. Each triangle is wound as its quad.
#pragma once
#include <array>
#include <cstddef>

// Three vertices of a primitive, by their place in it (0 for the one after glBegin).
using TriangleCorners = std::array<std::size_t, 3>;
using QuadTriangles = std::array<TriangleCorners, 2>;

// The whole quads in a primitive of count vertices; vertices left over draw nothing.
std::size_t quadCount(std::size_t count);
std::size_t stripQuadCount(std::size_t count);
// The triangles of the quad-th quad (from 0) of a GL_QUADS or a GL_QUAD_STRIP primitive.
QuadTriangles quadTriangles(std::size_t quad);
QuadTriangles stripQuadTriangles(std::size_t quad);
