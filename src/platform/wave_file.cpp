#include "platform/wave_file.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool readWaveFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat info {};
    bool whole = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                 static_cast<std::uint64_t>(info.st_size) <= waveFileMaxBytes;
    if (whole) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
            if (n <= 0) break; // a file that shrank meanwhile is simply shorter
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
    }
    close(fd);
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
