// Parsing of the music commands, shared by every music device.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

enum class MusicVerb { invalid, open, play, playFrom, pause, stop, seekToStart, close };

struct MusicCommand {
    MusicVerb verb = MusicVerb::invalid;
    std::string file;
    std::uint32_t fromMs = 0; // for playFrom
};

// Reads at most maxLength bytes of text (stopping at a terminator), case-insensitively:
// "Open F", "Play F", "Play F from MS" (MS whole milliseconds into the track), "Pause F",
// "Stop F", "Seek F to start", "Close F". Anything else is invalid.
MusicCommand parseMusicCommand(const char* text, std::size_t maxLength);
