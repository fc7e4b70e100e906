// An axis-aligned box as twelve edges ('w') or six inward-wound quads (any other style).
#pragma once

void drawBox(float width, float height, float depth, char style);
