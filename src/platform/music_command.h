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

// Each verb's name, as a device that is not C++ (the page's player) is handed it: "open",
// "play", "playFrom", "pause", "stop", "seekToStart", "close"; "" for invalid.
const char* musicVerbName(MusicVerb verb);

// Every verb's name but invalid's, separated by spaces, for a device to check it has them all.
const char* musicVerbNames();

// A device plays one track, the file it opened: a command is for it only when it names that
// file. openFile is empty while nothing is open.
bool isForOpenTrack(const MusicCommand& command, const std::string& openFile);

// Reads at most maxLength bytes of text (stopping at a terminator), case-insensitively:
// "Open F", "Play F", "Play F from MS" (MS whole milliseconds into the track), "Pause F",
// "Stop F", "Seek F to start", "Close F". Anything else is invalid.
MusicCommand parseMusicCommand(const char* text, std::size_t maxLength);
