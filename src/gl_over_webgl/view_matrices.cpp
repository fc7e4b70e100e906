#include "view_matrices.h"

#include <cmath>
#include <numbers>

void perspective(Matrix4& matrix, double fovy, double aspect, double zNear, double zFar) {
    const double radians = fovy / 2 * std::numbers::pi / 180;
    const double deltaZ = zFar - zNear;
    const double sine = std::sin(radians);
    if (deltaZ == 0 || sine == 0 || aspect == 0) return;
    const double cotangent = std::cos(radians) / sine;
    Matrix4 m = identityMatrix;
    m.m[0] = static_cast<float>(cotangent / aspect);
    m.m[5] = static_cast<float>(cotangent);
    m.m[10] = static_cast<float>(-(zFar + zNear) / deltaZ);
    m.m[11] = -1;
    m.m[14] = static_cast<float>(-2 * zNear * zFar / deltaZ);
    m.m[15] = 0;
    matrix = multiply(matrix, m);
}

using Vec3f = float[3];

static void normalize(Vec3f& v) {
    const auto length = static_cast<float>(std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
    if (length == 0) return;
    v[0] /= length;
    v[1] /= length;
    v[2] /= length;
}

static void cross(const Vec3f& a, const Vec3f& b, Vec3f& result) {
    result[0] = a[1] * b[2] - a[2] * b[1];
    result[1] = a[2] * b[0] - a[0] * b[2];
    result[2] = a[0] * b[1] - a[1] * b[0];
}

void lookAt(Matrix4& matrix, double eyeX, double eyeY, double eyeZ, double centerX, double centerY,
            double centerZ, double upX, double upY, double upZ) {
    Vec3f forward = {static_cast<float>(centerX - eyeX), static_cast<float>(centerY - eyeY),
                     static_cast<float>(centerZ - eyeZ)};
    Vec3f up = {static_cast<float>(upX), static_cast<float>(upY), static_cast<float>(upZ)};
    normalize(forward);
    Vec3f side;
    cross(forward, up, side);
    normalize(side);
    cross(side, forward, up);
    Matrix4 m = identityMatrix;
    for (int column = 0; column < 3; ++column) {
        m.m[column * 4 + 0] = side[column];
        m.m[column * 4 + 1] = up[column];
        m.m[column * 4 + 2] = -forward[column];
    }
    matrix = multiply(matrix, m);
    translate(matrix, static_cast<float>(-eyeX), static_cast<float>(-eyeY),
              static_cast<float>(-eyeZ));
}
