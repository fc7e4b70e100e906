// Parsing of the music commands, shared by every music device.
#pragma once
#include <cstddef>
#include <string>

enum class MusicVerb { invalid, open, play, stop, seekToStart, close };

struct MusicCommand {
    MusicVerb verb = MusicVerb::invalid;
    std::string file;
};

// Reads at most maxLength bytes of text (stopping at a terminator), case-insensitively:
// "Open F", "Play F", "Stop F", "Seek F to start", "Close F". Anything else is invalid.
MusicCommand parseMusicCommand(const char* text, std::size_t maxLength);
