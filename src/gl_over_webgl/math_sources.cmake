# The layer's pure math: the matrices, one stack's push and pop, GLU's perspective and
# look-at, the quad splits and the line quads. These files include no GL header and name
# their functions without gl or glu, so they build natively too, where the tests compare them
# with Mesa's own results.
set(QUORRIN_GL_OVER_WEBGL_MATH_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/line_quads.cpp
    ${CMAKE_CURRENT_LIST_DIR}/matrix_math.cpp
    ${CMAKE_CURRENT_LIST_DIR}/matrix_stack.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quad_split.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view_matrices.cpp)
