#include "platform/regular_file.h"

#include <algorithm>

std::size_t readUpTo(std::FILE* file, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t step = std::size_t{1} << 20;
    std::size_t appended = 0;
    while (appended < maxBytes) {
        const std::size_t have = bytes.size();
        const std::size_t wanted = std::min(step, maxBytes - appended);
        bytes.resize(have + wanted);
        const std::size_t got = std::fread(bytes.data() + have, 1, wanted, file);
        bytes.resize(have + got);
        appended += got;
        if (got < wanted) break;
    }
    return appended;
}
