#include "matrix_stack.h"

Matrix4& topMatrix(MatrixStack& stack) {
    return stack.entries[static_cast<std::size_t>(stack.top)];
}

const Matrix4& topMatrix(const MatrixStack& stack) {
    return stack.entries[static_cast<std::size_t>(stack.top)];
}

bool pushMatrix(MatrixStack& stack) {
    if (stack.top + 1 >= matrixStackDepth) return false;
    const Matrix4 copy = topMatrix(stack);
    ++stack.top;
    topMatrix(stack) = copy;
    return true;
}

bool popMatrix(MatrixStack& stack) {
    if (stack.top == 0) return false;
    --stack.top;
    return true;
}
