// Light 0, colour material and sphere-map texture coordinates: the lighting and texture
// generation state that vertex processing reads.
#pragma once
#include "vertex_stage.h"

LightingSettings lightingSettings();
TexGenSettings texGenSettings();

void setLightingEnabled(bool on);
void setLight0Enabled(bool on);
void setColourMaterialEnabled(bool on);
void setTexGenEnabled(bool s, bool on); // s: the S coordinate, else T
