#include "icon/png.h"

#include <png.h>
#include <stdexcept>
#include <string>

void writePngRgba(const std::filesystem::path& path, int width, int height,
                  const std::vector<std::uint8_t>& rgba) {
    if (width <= 0 || height <= 0 ||
        rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
        throw std::invalid_argument("icon pixels do not match its size");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) == 0)
        throw std::runtime_error("cannot write " + path.string() + ": " + image.message);
}
