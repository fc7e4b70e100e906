#include "file_reading.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

std::uint32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return std::uint32_t(le16(bytes, offset)) | std::uint32_t(le16(bytes, offset + 2)) << 16;
}

std::uint16_t le16(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    if (offset + 2 > bytes.size()) throw std::out_of_range("read past the end of the file");
    return std::uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Picture::brightest(int x, int y) const {
    return std::max({r(x, y), g(x, y), b(x, y)});
}

Picture decode(const std::vector<std::uint8_t>& file) {
    Picture p;
    p.width = int(le32(file, 18));
    p.height = int(le32(file, 22));
    p.bits = le16(file, 28);
    const std::size_t bytesPerPixel = std::size_t(p.bits) / 8;
    const std::size_t pixelsAt = p.bits == 8 ? 54 + 1024 : 54;
    const std::size_t count = std::size_t(p.width) * std::size_t(p.height);
    if (file.size() < pixelsAt + count * bytesPerPixel)
        throw std::runtime_error("file shorter than its header promises");
    p.rgb.resize(count * 3);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const std::size_t n = std::size_t(p.height - 1 - y) * p.width + x;
            const std::uint8_t* src = &file[pixelsAt + n * bytesPerPixel];
            if (p.bits == 8) src = &file[54 + 4 * std::size_t(*src)]; // palette entry
            std::uint8_t* dst = &p.rgb[3 * (std::size_t(y) * p.width + x)];
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    return p;
}

TempFolder::TempFolder(const std::string& tag)
    : path(std::filesystem::temp_directory_path() /
           ("quorrin-" + tag + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}
