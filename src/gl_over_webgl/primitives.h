// One primitive (glBegin to glEnd) from shaded vertices to the triangles WebGL fills: quads
// and quad strips split along the diagonals Mesa splits them along (quad_split.h), lines
// clipped to the view volume and turned into quads (line_quads.h).
#pragma once
#include "vertex_stage.h"

// mode: a GL primitive; the viewport is x, y, width, height.
void beginAssembly(unsigned mode, float lineWidth, const int viewport[4]);
void assembleVertex(const ShadedVertex& vertex);
void endAssembly();
