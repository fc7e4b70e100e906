// A plain grey added over the whole of the scenes' 460 x 400 orthographic frame: the white
// veils and flashes that fade a picture in or out. Texture 0 must be bound.
#pragma once

// Draws it with additive blending on and leaves the resting state (blending off, depth
// test and culling on); the modelview is kept.
void drawVeil(float grey);
