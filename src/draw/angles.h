// Degrees to radians exactly as every sine and cosine of the show takes them; the slightly
// short factor is part of the show's look (positions of rings and cubes), so it stays.
#pragma once

inline constexpr double degreesToRadians = 0.01745328;
