// The whole soundtrack: the score played by the instruments, mixed, faded and scaled.
#pragma once
#include "music/synth.h"

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int channelCount = 2;
inline constexpr std::size_t songFrames = 80 * static_cast<std::size_t>(sampleRate);
// The loudest sample lands here: about 1 dB under full scale.
inline constexpr float peakLevel = 0.89f;
// The fade to silence takes the last few seconds.
inline constexpr double fadeStart = 74.0;

// Before the final scaling: the band in float, with hits and fade applied.
Mix mixSoundtrack();

// 16-bit samples, left and right interleaved, songFrames frames.
std::vector<std::int16_t> renderSoundtrack();
