// Every picture the show loads: its file name, size and depth, and how it is made.
#pragma once
#include "pictures/canvas.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

struct PictureInfo {
    std::string_view name; // file name without ".bmp"; case matters
    int width;
    int height;
    int bits;              // 8, 24 or 32
    std::string_view text; // the words it carries, empty for none
};

std::span<const PictureInfo> pictureList();

// Throws std::invalid_argument for a name that is not in pictureList(), and
// std::runtime_error if a picture with text cannot open the caption font.
Canvas drawPicture(std::string_view name);

// The finished file for one picture.
std::vector<std::uint8_t> makePicture(std::string_view name);

// Writes every picture to outdir/image/<name>.bmp, creating the folders.
void writePictures(const std::filesystem::path& outdir);
