#include "scenes/scenes.h"

void drawScene1(float) {}
