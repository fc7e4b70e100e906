#include "scenes/frame_carry.h"

#include <algorithm>

float carriedClearGrey;
bool carriedLightPlaced;
static GLfloat carriedLight[4];

void resetCarriedGlState() {
    carriedClearGrey = 0;
    carriedLightPlaced = false;
}

void carryLightPosition(const GLfloat position[4]) {
    std::copy_n(position, 4, carriedLight);
    carriedLightPlaced = true;
}

const GLfloat* carriedLightPosition() {
    static constexpr GLfloat defaultLightPosition[4] = {0, 0, 1, 0};
    return carriedLightPlaced ? carriedLight : defaultLightPosition;
}
