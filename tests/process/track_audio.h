// What the sound card got: SDL's disk driver writes the samples it plays to a file, and a
// moment of the soundtrack (44.1 kHz, 16-bit stereo) is found in it by its bytes.
#pragma once
#include "show_runs.h"

#include <SDL.h>
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline constexpr std::size_t trackBytesPerSecond = 44100 * 4;

inline std::vector<char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The soundtrack's samples as SDL decodes them; empty when it cannot.
inline std::vector<char> trackSamples() {
    SDL_AudioSpec format{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(dataPath("quorrin.wav").c_str(), &format, &data, &length) == nullptr) return {};
    std::vector<char> track(data, data + length);
    SDL_FreeWAV(data);
    return track;
}

// Where in written, at or after from, the track's 4096 bytes from ms begin; npos when they
// were never played.
inline std::size_t findTrackMoment(const std::vector<char>& written, const std::vector<char>& track,
                                   std::uint32_t ms, std::size_t from = 0) {
    constexpr std::size_t runBytes = 4096;
    const std::size_t offset = std::size_t{ms} * 441 / 10 * 4;
    if (offset + runBytes > track.size()) return std::string::npos;
    for (std::size_t i = from; i + runBytes <= written.size(); i += 4)
        if (std::equal(written.begin() + static_cast<long>(i),
                       written.begin() + static_cast<long>(i + runBytes),
                       track.begin() + static_cast<long>(offset)))
            return i;
    return std::string::npos;
}
