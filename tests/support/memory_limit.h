// Runs under an address-space limit (ProcessOptions::addressSpaceLimit) and the picture that
// needs more than such a limit leaves.
#pragma once
#include "../unit/bitmap_bytes.h"

#include <string>

// AddressSanitizer reserves terabytes of address space for its shadow memory at start-up,
// so under any limit its builds cannot even start.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool addressSanitizerBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool addressSanitizerBuild = true;
#else
inline constexpr bool addressSanitizerBuild = false;
#endif
#else
inline constexpr bool addressSanitizerBuild = false;
#endif

// What `ulimit -v 2000000` allows: 2 000 000 KiB.
inline constexpr unsigned long long twoGigabytes = 2000000ull * 1024;

// A header claiming 16384 x 16384 pixels at 32 bits (1 GiB, 768 MiB once decoded) over the
// 12 MiB of pixels that make such a claim plausible enough to be decoded.
inline std::vector<std::uint8_t> pictureThatPromisesTooMuch() {
    return bitmapFile(16384, 16384, 32, std::vector<std::uint8_t>(std::size_t{12} << 20, 9));
}
