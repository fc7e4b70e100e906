// The GLUT shapes the show draws, for the platforms whose GLUT is the project's own (the
// browser, Windows): the vertices, normals, order and primitives freeglut sends, its geometry
// generators followed step by step in single precision, drawn from vertex arrays as freeglut
// draws them, so the normals given never become GL's current normal and the frames match
// the Linux build's.
#include <GL/freeglut.h>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

struct Shape {
    std::vector<float> positions; // x, y, z per vertex
    std::vector<float> normals;
};

// Sends the listed vertices as one primitive.
static void drawPart(const Shape& shape, GLenum mode, const std::vector<GLuint>& indices) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, shape.positions.data());
    glNormalPointer(GL_FLOAT, 0, shape.normals.data());
    glDrawElements(mode, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

static std::vector<GLuint> run(int first, int count) {
    std::vector<GLuint> indices(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        indices[static_cast<std::size_t>(i)] = static_cast<GLuint>(first + i);
    return indices;
}

// --- Polyhedra: faces of their own vertices, each with the face's normal.

// The cube's corners as signs of +-1/2, and its faces as corner lists, counter-clockwise from
// outside.
static constexpr std::array<std::array<float, 3>, 8> cubeCorners = {{{.5f, .5f, .5f},
                                                                     {-.5f, .5f, .5f},
                                                                     {-.5f, -.5f, .5f},
                                                                     {.5f, -.5f, .5f},
                                                                     {.5f, -.5f, -.5f},
                                                                     {.5f, .5f, -.5f},
                                                                     {-.5f, .5f, -.5f},
                                                                     {-.5f, -.5f, -.5f}}};
static constexpr std::array<std::array<int, 4>, 6> cubeFaces = {
    {{0, 1, 2, 3}, {0, 3, 4, 5}, {0, 5, 6, 1}, {1, 6, 7, 2}, {7, 4, 3, 2}, {4, 7, 6, 5}}};
static constexpr std::array<std::array<float, 3>, 6> cubeNormals = {
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}}};

static Shape cube(float size) {
    Shape shape;
    for (std::size_t face = 0; face < cubeFaces.size(); ++face)
        for (const int corner : cubeFaces[face])
            for (int axis = 0; axis < 3; ++axis) {
                shape.positions.push_back(
                    size *
                    cubeCorners[static_cast<std::size_t>(corner)][static_cast<std::size_t>(axis)]);
                shape.normals.push_back(cubeNormals[face][static_cast<std::size_t>(axis)]);
            }
    return shape;
}

void glutWireCube(double size) {
    const Shape shape = cube(static_cast<float>(size));
    for (int face = 0; face < 6; ++face)
        drawPart(shape, GL_LINE_LOOP, run(4 * face, 4));
}

void glutSolidCube(double size) {
    const Shape shape = cube(static_cast<float>(size));
    std::vector<GLuint> triangles;
    for (GLuint face = 0; face < 6; ++face)
        for (const GLuint corner : {0, 1, 2, 0, 2, 3})
            triangles.push_back(4 * face + corner);
    drawPart(shape, GL_TRIANGLES, triangles);
}

// Each face runs from a point on the x axis; its normal points to the face's octant.
static constexpr float octantNormal = 0.577350269189f;
static constexpr std::array<std::array<float, 9>, 8> octahedronFaces = {{
    {1, 0, 0, 0, 1, 0, 0, 0, 1},
    {1, 0, 0, 0, 0, -1, 0, 1, 0},
    {1, 0, 0, 0, 0, 1, 0, -1, 0},
    {1, 0, 0, 0, -1, 0, 0, 0, -1},
    {-1, 0, 0, 0, 0, 1, 0, 1, 0},
    {-1, 0, 0, 0, 1, 0, 0, 0, -1},
    {-1, 0, 0, 0, -1, 0, 0, 0, 1},
    {-1, 0, 0, 0, 0, -1, 0, -1, 0},
}};

static Shape octahedron() {
    Shape shape;
    for (std::size_t face = 0; face < octahedronFaces.size(); ++face) {
        const float signs[3] = {face < 4 ? 1.0f : -1.0f, (face % 4) < 2 ? 1.0f : -1.0f,
                                face % 2 == 0 ? 1.0f : -1.0f};
        for (std::size_t v = 0; v < 3; ++v)
            for (std::size_t axis = 0; axis < 3; ++axis) {
                shape.positions.push_back(octahedronFaces[face][3 * v + axis]);
                shape.normals.push_back(signs[axis] * octantNormal);
            }
    }
    return shape;
}

void glutWireOctahedron() {
    const Shape shape = octahedron();
    for (int face = 0; face < 8; ++face)
        drawPart(shape, GL_LINE_LOOP, run(3 * face, 3));
}

void glutSolidOctahedron() {
    drawPart(octahedron(), GL_TRIANGLES, run(0, 24));
}

// --- Round shapes, built from tables of the unit circle.

struct CircleTable {
    std::vector<float> sines, cosines;
};

// |n| samples, then the first again (or, for a half circle, the point at pi); a negative n
// runs the other way round.
static CircleTable circleTable(int n, bool halfCircle) {
    const int size = std::abs(n);
    const float angle = static_cast<float>(halfCircle ? 1 : 2) *
                        static_cast<float>(std::numbers::pi) / static_cast<float>(n == 0 ? 1 : n);
    CircleTable table;
    table.sines.assign(static_cast<std::size_t>(size) + 1, 0.0f);
    table.cosines.assign(static_cast<std::size_t>(size) + 1, 1.0f);
    for (int i = 1; i < size; ++i) {
        const float at = angle * static_cast<float>(i);
        table.sines[static_cast<std::size_t>(i)] = static_cast<float>(std::sin(double{at}));
        table.cosines[static_cast<std::size_t>(i)] = static_cast<float>(std::cos(double{at}));
    }
    if (halfCircle) {
        table.sines.back() = 0.0f;
        table.cosines.back() = -1.0f;
    }
    return table;
}

static void addVertex(Shape& shape, float x, float y, float z, float nx, float ny, float nz) {
    shape.positions.insert(shape.positions.end(), {x, y, z});
    shape.normals.insert(shape.normals.end(), {nx, ny, nz});
}

void glutWireSphere(double radiusGiven, GLint slices, GLint stacks) {
    if (slices == 0 || stacks < 2) return;
    const auto radius = static_cast<float>(radiusGiven);
    const CircleTable around = circleTable(-slices, false);
    const CircleTable down = circleTable(stacks, true);
    Shape shape;
    addVertex(shape, 0, 0, radius, 0, 0, 1);
    for (int i = 1; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            const float x = around.cosines[static_cast<std::size_t>(j)] *
                            down.sines[static_cast<std::size_t>(i)];
            const float y =
                around.sines[static_cast<std::size_t>(j)] * down.sines[static_cast<std::size_t>(i)];
            const float z = down.cosines[static_cast<std::size_t>(i)];
            addVertex(shape, x * radius, y * radius, z * radius, x, y, z);
        }
    addVertex(shape, 0, 0, -radius, 0, 0, -1);
    const int bottom = slices * (stacks - 1) + 1;
    // Each slice from pole to pole, then each stack's ring.
    for (int i = 0; i < slices; ++i) {
        std::vector<GLuint> slice = {0};
        for (int j = 0; j < stacks - 1; ++j)
            slice.push_back(static_cast<GLuint>(1 + i + j * slices));
        slice.push_back(static_cast<GLuint>(bottom));
        drawPart(shape, GL_LINE_STRIP, slice);
    }
    for (int i = 0; i < stacks - 1; ++i)
        drawPart(shape, GL_LINE_LOOP, run(1 + i * slices, slices));
}

static Shape torus(float innerRadius, float outerRadius, int sides, int rings) {
    const CircleTable ring = circleTable(rings, false);
    const CircleTable side = circleTable(-sides, false);
    Shape shape;
    for (std::size_t j = 0; j < static_cast<std::size_t>(rings); ++j)
        for (std::size_t i = 0; i < static_cast<std::size_t>(sides); ++i) {
            const float out = outerRadius + side.cosines[i] * innerRadius;
            addVertex(shape, ring.cosines[j] * out, ring.sines[j] * out,
                      side.sines[i] * innerRadius, ring.cosines[j] * side.cosines[i],
                      ring.sines[j] * side.cosines[i], side.sines[i]);
        }
    return shape;
}

void glutWireTorus(double innerRadius, double outerRadius, GLint sides, GLint rings) {
    if (sides < 2 || rings < 2) return;
    const Shape shape =
        torus(static_cast<float>(innerRadius), static_cast<float>(outerRadius), sides, rings);
    // Each ring's loop around the tube, then each side's loop around the hole.
    for (int j = 0; j < rings; ++j)
        drawPart(shape, GL_LINE_LOOP, run(j * sides, sides));
    for (int i = 0; i < sides; ++i) {
        std::vector<GLuint> loop;
        for (int j = 0; j < rings; ++j)
            loop.push_back(static_cast<GLuint>(j * sides + i));
        drawPart(shape, GL_LINE_LOOP, loop);
    }
}

void glutSolidTorus(double innerRadius, double outerRadius, GLint sides, GLint rings) {
    if (sides < 2 || rings < 2) return;
    const Shape shape =
        torus(static_cast<float>(innerRadius), static_cast<float>(outerRadius), sides, rings);
    // One strip per side, between it and the next one round the tube, closed on ring 0.
    for (int i = 0; i < sides; ++i) {
        const int next = i == sides - 1 ? -i : 1;
        std::vector<GLuint> strip;
        for (int j = 0; j <= rings; ++j) {
            const int at = (j == rings ? 0 : j) * sides + i;
            strip.push_back(static_cast<GLuint>(at));
            strip.push_back(static_cast<GLuint>(at + next));
        }
        drawPart(shape, GL_TRIANGLE_STRIP, strip);
    }
}
