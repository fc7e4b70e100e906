// The whole soundtrack: the score played by the instruments, mixed, faded and scaled.
#pragma once
#include "music/synth.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorrin::music {

inline constexpr int kChannels = 2;
inline constexpr std::size_t kSongFrames = 80 * static_cast<std::size_t>(kSampleRate);
// The loudest sample lands here: about 1 dB under full scale.
inline constexpr float kPeakLevel = 0.89f;
// The fade to silence takes the last few seconds.
inline constexpr double kFadeStart = 74.0;

// Before the final scaling: the band in float, with hits and fade applied.
Mix mix_soundtrack();

// 16-bit samples, left and right interleaved, kSongFrames frames.
std::vector<std::int16_t> render_soundtrack();

} // namespace quorrin::music
