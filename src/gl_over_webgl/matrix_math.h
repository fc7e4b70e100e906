// 4 x 4 single-precision matrices, stored by columns as GL stores them, and the few
// operations the GL layer needs. Every product is summed in the order Mesa sums it, so a
// matrix built here holds the same floats the native driver holds.
#pragma once
#include <array>

struct Matrix4 {
    std::array<float, 16> m; // element (row, column) at m[column * 4 + row]
};

inline constexpr Matrix4 identityMatrix = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

struct Vec4 {
    float x, y, z, w;
};

// a * b: b's transformation applied first.
Matrix4 multiply(const Matrix4& a, const Matrix4& b);
// matrix * T(x, y, z), matrix * S(x, y, z), matrix * R(angle in degrees about (x, y, z)).
void translate(Matrix4& matrix, float x, float y, float z);
void scale(Matrix4& matrix, float x, float y, float z);
void rotate(Matrix4& matrix, float angleDegrees, float x, float y, float z);
// matrix * the orthographic projection of the six planes, taken in single precision first as
// Mesa takes them.
void ortho(Matrix4& matrix, double left, double right, double bottom, double top, double zNear,
           double zFar);

// matrix * (x, y, z, 1).
Vec4 transformPoint(const Matrix4& matrix, float x, float y, float z);

// The transposed inverse of the upper 3 x 3, by rows: what turns an object-space normal
// into eye space. Not normalised, as fixed-function GL leaves it without GL_NORMALIZE.
using NormalMatrix = std::array<float, 9>;
NormalMatrix normalMatrixOf(const Matrix4& modelview);
