// The soundtrack read into memory before an audio library decodes it, so that nothing the
// file claims can cost more than the file really holds.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The show plays 80 seconds of its track; a file of more than this (over ten minutes of CD
// audio) is not its soundtrack, and reading it would only stall the start.
inline constexpr std::uint64_t waveFileMaxBytes = 128u << 20;

// The whole file, read only when it is a regular file (regular_file.h) of at most
// waveFileMaxBytes. False otherwise.
bool readWaveFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// A RIFF wave whose "data" chunk claims more bytes than follow it gets its claim cut down to
// what is there: a decoder that trusts the claim would allocate it whole.
void clampWaveData(std::vector<std::uint8_t>& bytes);
