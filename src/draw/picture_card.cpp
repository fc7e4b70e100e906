#include "draw/picture_card.h"
#include "draw/picture_quad.h"

#include "draw/render_state.h"

void drawPictureCard(GLuint texture, float x, float y, float sceneTime, float start) {
    bindTexture(texture);
    // Full at start, black 1/6.7 of the scene later; before start the pipeline clamps the
    // brightness to full. Formed in double like every product of the show, so the grey of a
    // given sceneTime does not depend on the compiler's float arithmetic.
    const auto brightness = static_cast<float>(1 - (static_cast<double>(sceneTime) - start) * 6.7);
    glColor3f(brightness, brightness, brightness);
    glPushMatrix();
    glTranslatef(x, y, 0);
    // 140 x 140 about the centre, the picture turned by half a turn like every textured square.
    drawPictureQuad(-70, -70, 70, 70);
    glPopMatrix();
}
