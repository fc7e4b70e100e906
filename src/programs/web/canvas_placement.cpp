#include "programs/web/canvas_placement.h"

#include "programs/web/picture_cap.h"
#include "show/picture_area.h"
#include "viewer/projection.h"

#include <canvas_target.h>
#include <cmath>
#include <emscripten/html5.h>

static constexpr const char* canvasSelector = "#canvas";
static bool capped = true;

void liftPictureCap() {
    capped = false;
}

void sizeCanvasToWindow(int& width, int& height) {
    double cssWidth = 0, cssHeight = 0;
    emscripten_get_element_css_size(canvasSelector, &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    width = static_cast<int>(std::lround(cssWidth * ratio));
    height = static_cast<int>(std::lround(cssHeight * ratio));
    if (capped) {
        const CanvasSize canvas = canvasWithinCap(width, height);
        width = canvas.width;
        height = canvas.height;
    }
    emscripten_set_canvas_element_size(canvasSelector, width, height);
}

void placePictureOnCanvas(int canvasWidth, int canvasHeight) {
    const PictureArea picture = pictureAreaFor(canvasWidth, canvasHeight);
    placeTargetOnCanvas(picture.x, picture.y, picture.width, picture.height);
    reshape(picture.width, picture.height);
}
