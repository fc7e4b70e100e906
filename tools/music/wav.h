// Canonical 44-byte RIFF/WAVE files of 16-bit PCM.
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

inline constexpr int wavHeaderBytes = 44;

// `samples` holds the channels interleaved; its size must be a multiple of `channels`.
std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, int channels,
                                    int sampleRate);

// Throws std::runtime_error naming the path if it cannot be written.
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
