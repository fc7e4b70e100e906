// A stack of spiked ring bands around the y axis, outlined in thick red zigzags.
#pragma once

void drawRingTower(float spikeRadius, float bandRadius, float halfHeight, int spikeEvery,
                   int stepDegrees, int levels);
