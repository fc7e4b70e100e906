// Any bytes at all, as a music command in a 64-byte buffer with or without a terminator.
#include "platform/music_command.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Exactly the bytes given, with no terminator after them: the parser must stop at the
    // buffer's end.
    std::vector<char> buffer(data, data + size);
    const std::size_t limit = 64;
    const MusicCommand command = parseMusicCommand(buffer.data(), size < limit ? size : limit);
    if (command.verb == MusicVerb::invalid) {
        if (!command.file.empty()) std::abort();
    } else if (command.file.empty() || command.file.size() > limit ||
               command.file.find_first_of(" \t\r\n\f\v") != std::string::npos ||
               command.file.find('\0') != std::string::npos) {
        std::abort();
    }
    return 0;
}
