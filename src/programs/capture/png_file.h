// PNG files of 8-bit RGB pictures.
#pragma once
#include "programs/capture/image.h"

#include <cstdint>
#include <string>

enum class RowOrder { topDown, bottomUp };
enum class PngSpeed { small, fast };

// Writes width x height RGB pixels to an open descriptor (a file, a pipe, a device), which
// stays open; bottom-up rows (as GL reads them back) are turned upright in the file. Empty
// result on success, otherwise what went wrong (a full disk says so).
std::string writePngToFd(int fd, int width, int height, const std::uint8_t* rgb, RowOrder order,
                         PngSpeed speed);

// Reads any PNG as 8-bit RGB, top-down. Empty result on success.
std::string readPng(const std::string& path, RgbImage& image);
