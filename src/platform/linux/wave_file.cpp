#include "platform/linux/wave_file.h"

#include "platform/regular_file.h"

bool readWaveFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::FILE* file = openRegularFile(path.c_str()).file;
    if (file == nullptr) return false;
    // Its size first: reading a file far too big would only stall the start. One that shrinks
    // meanwhile is simply shorter.
    long size = -1;
    const bool whole = std::fseek(file, 0, SEEK_END) == 0 && (size = std::ftell(file)) >= 0 &&
                       static_cast<std::uint64_t>(size) <= waveFileMaxBytes &&
                       std::fseek(file, 0, SEEK_SET) == 0;
    bytes.clear();
    if (whole) readUpTo(file, static_cast<std::size_t>(size), bytes);
    std::fclose(file);
    return whole;
}

static std::uint32_t readLittle32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void clampWaveData(std::vector<std::uint8_t>& bytes) {
    // "RIFF" size "WAVE", then chunks of a 4-byte name, a 4-byte length and the data,
    // padded to an even length.
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint64_t length = readLittle32(bytes, at + 4);
        const std::size_t present = bytes.size() - at - 8;
        if (bytes[at] == 'd' && bytes[at + 1] == 'a' && bytes[at + 2] == 't' &&
            bytes[at + 3] == 'a') {
            if (length > present)
                for (int i = 0; i < 4; ++i)
                    bytes[at + 4 + static_cast<std::size_t>(i)] =
                        static_cast<std::uint8_t>(present >> (8 * i));
            return;
        }
        at += 8 + length + (length & 1);
    }
}
