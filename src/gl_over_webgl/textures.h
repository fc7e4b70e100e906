// Texture objects by GL name, over WebGL textures.
#pragma once

void setTexturingEnabled(bool on);
// The WebGL texture the next primitive samples, or 0 for none: texturing off, or the bound
// object not complete (no image yet, or a minification filter that wants mipmaps, of
// which the layer makes none). GL 1.x then draws untextured, where WebGL would sample black.
unsigned textureForDrawing();
