// The storyboard: frames from across the show in a grid, each labelled with its scene and
// time, as one picture.
#pragma once
#include "programs/capture/image.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int storyboardColumns = 4;

// "scene 2  20.0 s"; a time off the tenth of a second gets all three decimals.
std::string storyboardLabel(int scene, std::uint32_t ms);

// The label as drawn under a tile width pixels wide, and its scale: full size where it fits,
// else smaller, else only its time, else nothing.
std::string fittedLabel(const std::string& label, int width, int& scale);

// Tiles (all the same size) left to right, top to bottom, in columns, each with its label
// centred under it on a dark ground.
RgbImage composeStoryboard(const std::vector<RgbImage>& tiles,
                           const std::vector<std::string>& labels, int columns);
