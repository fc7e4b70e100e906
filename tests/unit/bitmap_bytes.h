// Builds bitmap files in memory, laid out the way the loader reads them.
#pragma once
#include <cstdint>
#include <vector>

inline void putLittle(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value,
                      int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 54-byte header followed by payload (palette and/or pixels, exactly as given).
inline std::vector<std::uint8_t> bitmapFile(std::int32_t width, std::int32_t height,
                                            std::uint16_t bits,
                                            const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> bytes(54 + payload.size(), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittle(bytes, 2, static_cast<std::uint32_t>(54 + payload.size()), 4);
    putLittle(bytes, 10, 54, 4);
    putLittle(bytes, 14, 40, 4);
    putLittle(bytes, 18, static_cast<std::uint32_t>(width), 4);
    putLittle(bytes, 22, static_cast<std::uint32_t>(height), 4);
    putLittle(bytes, 26, 1, 2);
    putLittle(bytes, 28, bits, 2);
    for (std::size_t i = 0; i < payload.size(); ++i)
        bytes[54 + i] = payload[i];
    return bytes;
}
