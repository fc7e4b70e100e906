// Reading back what the tools write, the way the show's loader does: fixed offsets,
// little-endian, nothing taken on trust from the writer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

std::uint32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t offset);
std::uint16_t le16(const std::vector<std::uint8_t>& bytes, std::size_t offset);

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

// An upright picture (top row first) as red, green, blue bytes.
struct Picture {
    int width = 0;
    int height = 0;
    int bits = 0;
    std::vector<std::uint8_t> rgb;
    std::uint8_t r(int x, int y) const { return rgb[3 * (std::size_t(y) * width + x)]; }
    std::uint8_t g(int x, int y) const { return rgb[3 * (std::size_t(y) * width + x) + 1]; }
    std::uint8_t b(int x, int y) const { return rgb[3 * (std::size_t(y) * width + x) + 2]; }
    int brightest(int x, int y) const;
};

// Pixels straight from byte 54 (after 256 palette entries for 8 bits), bottom row first.
Picture decode(const std::vector<std::uint8_t>& file);

// A fresh empty folder under the system's temporary folder, removed on destruction.
struct TempFolder {
    std::filesystem::path path;
    explicit TempFolder(const std::string& tag);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};
