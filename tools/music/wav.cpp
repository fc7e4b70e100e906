#include "music/wav.h"

#include "common/little_endian.h"

#include <fstream>
#include <stdexcept>

static void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<std::uint8_t>(tag[k]));
}

std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, int channels,
                                    int sampleRate) {
    if (channels <= 0 || sampleRate <= 0 || samples.size() % static_cast<std::size_t>(channels))
        throw std::invalid_argument("wave data must hold whole frames");
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto block = static_cast<std::uint32_t>(channels * 2);
    std::vector<std::uint8_t> out;
    out.reserve(wavHeaderBytes + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // integer PCM
    put16(out, static_cast<std::uint32_t>(channels));
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * block);
    put16(out, block);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    out.resize(wavHeaderBytes + dataBytes);
    std::uint8_t* data = out.data() + wavHeaderBytes;
    for (const std::int16_t s : samples) {
        const auto v = static_cast<std::uint16_t>(s);
        *data++ = static_cast<std::uint8_t>(v & 0xff);
        *data++ = static_cast<std::uint8_t>(v >> 8);
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}
