// The tumbling ring of eight cubes in the lower left of the screen, with an optional logo.
#pragma once

void drawCubeRing(float sceneTime, bool withLogo);
