#include "matrix_math.h"

#include <cmath>
#include <numbers>

static float element(const Matrix4& matrix, int row, int column) {
    return matrix.m[column * 4 + row];
}

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 product;
    for (int row = 0; row < 4; ++row) {
        const float a0 = element(a, row, 0), a1 = element(a, row, 1), a2 = element(a, row, 2),
                    a3 = element(a, row, 3);
        for (int column = 0; column < 4; ++column)
            product.m[column * 4 + row] = a0 * element(b, 0, column) + a1 * element(b, 1, column) +
                                          a2 * element(b, 2, column) + a3 * element(b, 3, column);
    }
    return product;
}

void translate(Matrix4& matrix, float x, float y, float z) {
    float* m = matrix.m.data();
    for (int row = 0; row < 4; ++row)
        m[12 + row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
}

void scale(Matrix4& matrix, float x, float y, float z) {
    for (int row = 0; row < 4; ++row) {
        matrix.m[row] *= x;
        matrix.m[4 + row] *= y;
        matrix.m[8 + row] *= z;
    }
}

// A rotation about one coordinate axis is written straight in, as Mesa does; any other axis
// is normalised first. The sine and cosine are taken in single precision of an angle
// converted in double, again as Mesa takes them.
static Matrix4 rotation(float angleDegrees, float x, float y, float z) {
    const auto radians = static_cast<float>(angleDegrees * std::numbers::pi / 180.0);
    const float s = std::sin(radians);
    const float c = std::cos(radians);
    Matrix4 r = identityMatrix;
    auto at = [&r](int row, int column) -> float& { return r.m[column * 4 + row]; };
    if (x == 0 && y == 0 && z != 0) {
        at(0, 0) = at(1, 1) = c;
        at(0, 1) = z < 0 ? s : -s;
        at(1, 0) = z < 0 ? -s : s;
        return r;
    }
    if (x == 0 && z == 0 && y != 0) {
        at(0, 0) = at(2, 2) = c;
        at(0, 2) = y < 0 ? -s : s;
        at(2, 0) = y < 0 ? s : -s;
        return r;
    }
    if (y == 0 && z == 0 && x != 0) {
        at(1, 1) = at(2, 2) = c;
        at(1, 2) = x < 0 ? s : -s;
        at(2, 1) = x < 0 ? -s : s;
        return r;
    }
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length <= 1.0e-4f) return r; // no axis: no rotation
    x /= length;
    y /= length;
    z /= length;
    const float xx = x * x, yy = y * y, zz = z * z, xy = x * y, yz = y * z, zx = z * x;
    const float xs = x * s, ys = y * s, zs = z * s, oneMinusC = 1.0f - c;
    at(0, 0) = (oneMinusC * xx) + c;
    at(0, 1) = (oneMinusC * xy) - zs;
    at(0, 2) = (oneMinusC * zx) + ys;
    at(1, 0) = (oneMinusC * xy) + zs;
    at(1, 1) = (oneMinusC * yy) + c;
    at(1, 2) = (oneMinusC * yz) - xs;
    at(2, 0) = (oneMinusC * zx) - ys;
    at(2, 1) = (oneMinusC * yz) + xs;
    at(2, 2) = (oneMinusC * zz) + c;
    return r;
}

void rotate(Matrix4& matrix, float angleDegrees, float x, float y, float z) {
    matrix = multiply(matrix, rotation(angleDegrees, x, y, z));
}

static Matrix4 orthographic(float left, float right, float bottom, float top, float zNear,
                            float zFar) {
    Matrix4 o = identityMatrix;
    o.m[0] = 2.0f / (right - left);
    o.m[5] = 2.0f / (top - bottom);
    o.m[10] = -2.0f / (zFar - zNear);
    o.m[12] = -(right + left) / (right - left);
    o.m[13] = -(top + bottom) / (top - bottom);
    o.m[14] = -(zFar + zNear) / (zFar - zNear);
    return o;
}

void ortho(Matrix4& matrix, double left, double right, double bottom, double top, double zNear,
           double zFar) {
    matrix = multiply(matrix, orthographic(static_cast<float>(left), static_cast<float>(right),
                                           static_cast<float>(bottom), static_cast<float>(top),
                                           static_cast<float>(zNear), static_cast<float>(zFar)));
}

Vec4 transformPoint(const Matrix4& matrix, float x, float y, float z) {
    const float* m = matrix.m.data();
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]};
}

NormalMatrix normalMatrixOf(const Matrix4& modelview) {
    auto a = [&modelview](int row, int column) { return element(modelview, row, column); };
    // Cofactors of the upper 3 x 3; the inverse is their transpose over the determinant, so
    // the transposed inverse is the cofactor matrix itself over the determinant.
    const float c00 = a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1);
    const float c01 = a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2);
    const float c02 = a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0);
    const float c10 = a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2);
    const float c11 = a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0);
    const float c12 = a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1);
    const float c20 = a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1);
    const float c21 = a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2);
    const float c22 = a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
    const float determinant = a(0, 0) * c00 + a(0, 1) * c01 + a(0, 2) * c02;
    if (determinant == 0) return {0, 0, 0, 0, 0, 0, 0, 0, 0};
    const float inverse = 1.0f / determinant;
    return {c00 * inverse, c01 * inverse, c02 * inverse, c10 * inverse, c11 * inverse,
            c12 * inverse, c20 * inverse, c21 * inverse, c22 * inverse};
}
