#include "music/wav.h"

#include "common/little_endian.h"

#include <fstream>
#include <stdexcept>

namespace quorrin::music {

namespace {

void put_tag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<std::uint8_t>(tag[k]));
}

} // namespace

std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples, int channels,
                                     int sample_rate) {
    if (channels <= 0 || sample_rate <= 0 || samples.size() % static_cast<std::size_t>(channels))
        throw std::invalid_argument("wave data must hold whole frames");
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto block = static_cast<std::uint32_t>(channels * 2);
    std::vector<std::uint8_t> out;
    out.reserve(kWavHeaderBytes + data_bytes);
    put_tag(out, "RIFF");
    put32(out, 36 + data_bytes);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // integer PCM
    put16(out, static_cast<std::uint32_t>(channels));
    put32(out, static_cast<std::uint32_t>(sample_rate));
    put32(out, static_cast<std::uint32_t>(sample_rate) * block);
    put16(out, block);
    put16(out, 16);
    put_tag(out, "data");
    put32(out, data_bytes);
    out.resize(kWavHeaderBytes + data_bytes);
    std::uint8_t* data = out.data() + kWavHeaderBytes;
    for (const std::int16_t s : samples) {
        const auto v = static_cast<std::uint16_t>(s);
        *data++ = static_cast<std::uint8_t>(v & 0xff);
        *data++ = static_cast<std::uint8_t>(v >> 8);
    }
    return out;
}

void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

} // namespace quorrin::music
