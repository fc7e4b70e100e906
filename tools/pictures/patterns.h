// Pictures drawn from noise and simple maths: surface noise, the glow sprite, backdrops,
// the rock and the floor stripes. All take the side of a square power-of-two picture.
#pragma once
#include "pictures/canvas.h"

#include <cstdint>

// Grey multi-octave value noise, full 0..1 range, tileable.
Canvas noiseTexture(int size, int basePeriod, int octaves, std::uint32_t seed);

// White at the centre, falling smoothly to exactly black at the inscribed circle's rim.
Canvas glowSprite(int size);

// Four by four bevelled metal tiles with an embossed ring each: a cube's face.
Canvas tilePattern(int size);

// Dark interfering waves in deep blue and violet, for the credits.
Canvas creditsBackdrop(int size);

// Almost black, with thin light lines and faint streaks: a veil over a scene.
Canvas veil(int size);

// Lit ridged noise in grey-brown: a rock face.
Canvas rockTexture(int size);

// Bright vertical stripes on black with soft edges; tiles in both directions.
Canvas floorStripes(int size);
