#include "scenes/frame_carry.h"

#include "scenes/scene4.h"

float carriedClearGrey;
bool carriedLightPlaced;

void resetCarriedGlState() {
    carriedClearGrey = 0;
    carriedLightPlaced = false;
}

const GLfloat* carriedLightPosition() {
    static constexpr GLfloat defaultLightPosition[4] = {0, 0, 1, 0};
    return carriedLightPlaced ? secondLightPos : defaultLightPosition;
}
