// One stack of matrices as GL keeps it: a fixed depth, the top the matrix in use.
#pragma once
#include "matrix_math.h"

// Mesa's depth for both the modelview and the projection stack.
inline constexpr int matrixStackDepth = 32;

struct MatrixStack {
    std::array<Matrix4, matrixStackDepth> entries{identityMatrix};
    int top = 0;
};

Matrix4& topMatrix(MatrixStack& stack);
const Matrix4& topMatrix(const MatrixStack& stack);
// A copy of the top on top; false, and the stack as it was, when it is full.
bool pushMatrix(MatrixStack& stack);
// The top dropped; false, and the stack as it was, when it holds only one matrix.
bool popMatrix(MatrixStack& stack);
