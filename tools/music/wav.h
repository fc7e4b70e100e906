// Canonical 44-byte RIFF/WAVE files of 16-bit PCM.
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quorrin::music {

inline constexpr int kWavHeaderBytes = 44;

// `samples` holds the channels interleaved; its size must be a multiple of `channels`.
std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples, int channels,
                                     int sample_rate);

// Throws std::runtime_error naming the path if it cannot be written.
void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace quorrin::music
