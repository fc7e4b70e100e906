#include "layer_cases.h"

#include <GL/freeglut.h>
#include <cmath>
#include <initializer_list>
#include <vector>

// Each case owns its tile: its own viewport, its own clear, all its state set here.
static void enterTile(int index) {
    const int x = (index % caseColumns) * caseTileWidth;
    const int y = (index / caseColumns) * caseTileHeight;
    glViewport(x, y, caseTileWidth, caseTileHeight);
    glScissor(x, y, caseTileWidth, caseTileHeight);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    for (const GLenum cap : {GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING, GL_LIGHT0,
                             GL_TEXTURE_2D, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T})
        glDisable(cap);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

static void pixelOrtho() {
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, caseTileWidth, 0, caseTileHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}

// Vertex colours far apart, so that splitting a quad along the other diagonal moves colour.
static void quadStripTriangles() {
    pixelOrtho();
    static constexpr float colours[8][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1},
                                            {0, 0, 0}, {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
    static constexpr float corners[8][2] = {{8, 40},   {20, 112}, {50, 44},  {64, 104},
                                            {100, 36}, {96, 115}, {151, 47}, {140, 100}};
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i < 8; ++i) {
        glColor3f(colours[i][0], colours[i][1], colours[i][2]);
        glVertex3f(corners[i][0], corners[i][1], 0);
    }
    glEnd();
    glBegin(GL_QUADS); // and a lone quad, split the other way
    for (int i = 0; i < 4; ++i) {
        glColor3f(colours[i + 4][0], colours[i + 4][1], colours[i + 4][2]);
        glVertex3f(static_cast<float>(i == 1 || i == 2 ? 150 : 12), i < 2 ? 4.3f : 31.6f, 0);
    }
    glEnd();
}

// Stars of widths 1, 3 and 4: every slope class, ends on and off pixel centres, strips too.
static void wideLines() {
    pixelOrtho();
    glColor3f(1, 1, 1);
    const float widths[3] = {1, 3, 4};
    for (int star = 0; star < 3; ++star) {
        glLineWidth(widths[star]);
        const float cx = 27.5f + 52.0f * static_cast<float>(star), cy = 60.5f;
        glBegin(GL_LINES);
        for (int ray = 0; ray < 16; ++ray) {
            const double angle = ray * 0.3927 + 0.05 * star;
            const auto length = static_cast<float>(ray % 2 == 0 ? 24 : 19.3);
            glVertex3f(cx + 3 * static_cast<float>(std::cos(angle)),
                       cy + 3 * static_cast<float>(std::sin(angle)), 0);
            glVertex3f(cx + length * static_cast<float>(std::cos(angle)),
                       cy + length * static_cast<float>(std::sin(angle)), 0);
        }
        glEnd();
    }
    glLineWidth(2.6f); // rounds to 3 pixels
    glBegin(GL_LINE_STRIP);
    for (const float x : {4.5f, 40.5f, 77.25f, 120.0f, 155.5f})
        glVertex3f(x, x < 60 ? 8.5f : 17.75f - x * 0.05f, 0);
    glEnd();
    glLineWidth(1);
}

// Light 0 from a given direction, colour material, normals turned and scaled by the
// modelview, and colours beyond 0 ... 1 that GL clamps at each vertex, before they are
// spread over the face.
static void litFaces() {
    glMatrixMode(GL_PROJECTION);
    glOrtho(-2, 2, -1.5, 1.5, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    const GLfloat lightPosition[4] = {1, 2, 3, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    struct Face {
        float x, y, scale;
        float lower[3], upper[3]; // colours of the lower and upper corners
        float normal[3];
    };
    static constexpr Face faces[4] = {
        {-1, -0.75f, 1, {1, 0.5f, 0.25f}, {1, 0.5f, 0.25f}, {0, 0, 1}},
        {1, -0.75f, 1, {0.2f, 0.9f, 0.6f}, {0.2f, 0.9f, 0.6f}, {0.5f, 0.5f, 0.7071f}},
        {-1, 0.75f, 1, {2.5f, -0.2f, 0.8f}, {0.2f, 1.8f, -1}, {-0.3f, 0.2f, 0.93f}},
        {1, 0.75f, 2, {0.9f, 0.9f, 0.9f}, {0.9f, 0.9f, 0.9f}, {0, 0, 1}},
    };
    for (const Face& face : faces) {
        glPushMatrix();
        glTranslatef(face.x, face.y, 0);
        glRotatef(25, 0.3f, 1, 0.2f);
        glScalef(face.scale, face.scale, face.scale);
        glNormal3f(face.normal[0], face.normal[1], face.normal[2]);
        const float half = 0.6f / face.scale;
        glBegin(GL_QUADS);
        glColor3f(face.lower[0], face.lower[1], face.lower[2]);
        glVertex3f(-half, -half, 0);
        glVertex3f(half, -half, 0);
        glColor3f(face.upper[0], face.upper[1], face.upper[2]);
        glVertex3f(half, half, 0);
        glVertex3f(-half, half, 0);
        glEnd();
        glPopMatrix();
    }
}

// A texture whose texels spell out their own coordinates, looked up through the sphere map
// of a known normal under a perspective camera.
static void sphereMapCoordinates() {
    static GLuint texture;
    if (texture == 0) {
        constexpr int side = 64;
        std::vector<unsigned char> rgb(side * side * 3);
        for (int t = 0; t < side; ++t)
            for (int s = 0; s < side; ++s) {
                unsigned char* texel = &rgb[static_cast<std::size_t>((t * side + s) * 3)];
                texel[0] = static_cast<unsigned char>(s * 4 + 2);
                texel[1] = static_cast<unsigned char>(t * 4 + 2);
                texel[2] = 128;
            }
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, side, side, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glMatrixMode(GL_PROJECTION);
    gluPerspective(50, 4.0 / 3.0, 1, 20);
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(0.5, 0.3, 4, 0, 0, 0, 0, 1, 0);
    glRotatef(30, 1, 0.5f, 0);
    glColor3f(1, 1, 1);
    glNormal3f(0.2f, 0.3f, 0.933f);
    glBegin(GL_QUADS);
    glVertex3f(-1.6f, -1.2f, 0);
    glVertex3f(1.6f, -1.2f, 0);
    glVertex3f(1.6f, 1.2f, 0);
    glVertex3f(-1.6f, 1.2f, 0);
    glEnd();
}

void drawLayerCases() {
    void (*const cases[caseCount])() = {quadStripTriangles, wideLines, litFaces,
                                        sphereMapCoordinates};
    for (int i = 0; i < caseCount; ++i) {
        enterTile(i);
        cases[i]();
    }
}
