// Any bytes at all, read as a picture file: each either decodes (missing parts black) or is
// refused as broken; nothing reads outside the input or grows without bound.
#include "assets/bitmap_decode.h"

#include <cstdlib>

// Sides up to 2048 keep every execution fast; the checks that refuse larger ones are the
// same code whatever the limit.
constexpr int fuzzMaxSide = 2048;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodedBitmap picture;
    const BitmapStatus status = decodeBitmap(data, size, fuzzMaxSide, picture);
    if (status == BitmapStatus::ok) {
        const std::size_t expected =
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3;
        if (picture.width <= 0 || picture.height <= 0 || picture.width > fuzzMaxSide ||
            picture.height > fuzzMaxSide || picture.rgb.size() != expected)
            std::abort();
    } else if (!picture.rgb.empty()) {
        std::abort(); // a refused file must not leave a half-made picture behind
    }
    return 0;
}
