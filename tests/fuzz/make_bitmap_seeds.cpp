// Writes small hand-made edge-case pictures for the bitmap fuzzer to start from: every bit
// depth the loader knows and some it does not, zero, negative and huge sizes, short files.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

static std::vector<std::uint8_t> header(std::int32_t width, std::int32_t height,
                                        std::uint16_t bits) {
    std::vector<std::uint8_t> bytes(54, 0);
    auto put = [&](std::size_t at, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, bits, 2);
    return bytes;
}

static void write(const std::string& folder, const std::string& name,
                  std::vector<std::uint8_t> bytes, std::size_t payload) {
    for (std::size_t i = 0; i < payload; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    std::ofstream(folder + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    write(folder, "rgb24-4x4.bmp", header(4, 4, 24), 48);
    write(folder, "rgb24-2x2-unaligned.bmp", header(2, 2, 24), 12);
    write(folder, "palette8-4x4.bmp", header(4, 4, 8), 1024 + 16);
    write(folder, "rgbx32-4x4.bmp", header(4, 4, 32), 64);
    write(folder, "depth16.bmp", header(4, 4, 16), 32);
    write(folder, "depth1.bmp", header(8, 8, 1), 8);
    write(folder, "zero-width.bmp", header(0, 4, 24), 16);
    write(folder, "negative-height.bmp", header(4, -4, 24), 48);
    write(folder, "huge.bmp", header(0x7FFFFFFF, 0x7FFFFFFF, 24), 16);
    write(folder, "just-over-limit.bmp", header(16385, 1, 24), 16);
    write(folder, "short-pixels.bmp", header(64, 64, 24), 100);
    write(folder, "short-palette.bmp", header(16, 16, 8), 300);
    write(folder, "header-only.bmp", header(16, 16, 32), 0);
    std::vector<std::uint8_t> stub = header(4, 4, 24);
    stub.resize(20);
    write(folder, "cut-header.bmp", stub, 0);
    write(folder, "empty.bmp", {}, 0);
    return 0;
}
