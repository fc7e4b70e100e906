// The layer cases in the browser, drawn once through the GL 1.x layer over WebGL2 onto a canvas of
// the cases' size; the canvas's data-frames says when they are there.
#include "layer_cases.h"
#include <canvas_target.h>

#include <GL/freeglut.h>
#include <emscripten/em_js.h>
#include <emscripten/html5.h>

EM_JS(void, markDrawn, (), { Module.canvas.dataset.frames = 1; });

static void display() {
    drawLayerCases();
    glutSwapBuffers();
    markDrawn();
}

static void reshape(int width, int height) {
    placeTargetOnCanvas(0, 0, width, height);
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DEPTH | GLUT_DOUBLE);
    glutCreateWindow("layer cases");
    emscripten_set_canvas_element_size("#canvas", caseTileWidth * caseColumns,
                                       caseTileHeight * caseRows);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutMainLoop();
    return 0;
}
