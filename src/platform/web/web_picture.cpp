#include "platform/web/web_picture.h"

#include "platform/web/gl/picture_placement.h"

PictureArea fitPictureToCanvas(int canvasWidth, int canvasHeight) {
    const PictureArea picture = pictureAreaFor(canvasWidth, canvasHeight);
    placePictureOnCanvas(picture.x, picture.y, picture.width, picture.height);
    return picture;
}
