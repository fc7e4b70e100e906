// PNG files through libpng, for the icon.
#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

// rgba holds width x height pixels of 4 bytes, top row first. Throws std::runtime_error
// when the file cannot be written.
void writePngRgba(const std::filesystem::path& path, int width, int height,
                  const std::vector<std::uint8_t>& rgba);
