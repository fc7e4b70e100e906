#include "capture/png_file.h"

#include <png.h>

std::string writePng(const std::string& path, int width, int height, const std::uint8_t* rgb,
                     RowOrder order, PngSpeed speed) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    // Frame sequences trade file size for speed; single pictures are kept small.
    if (speed == PngSpeed::fast) image.flags |= PNG_IMAGE_FLAG_FAST;
    // A negative stride walks the rows from the last one up, turning GL's order upright.
    const png_int_32 stride = (order == RowOrder::bottomUp ? -1 : 1) * width * 3;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgb, stride, nullptr) == 0) {
        std::string message = image.message;
        png_image_free(&image);
        return message.empty() ? "cannot write " + path : message;
    }
    return {};
}

std::string readPng(const std::string& path, RgbImage& result) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        return path + ": " + image.message;
    image.format = PNG_FORMAT_RGB;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    result.pixels.assign(PNG_IMAGE_SIZE(image), 0);
    if (png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr) == 0) {
        std::string message = path + ": " + image.message;
        png_image_free(&image);
        return message;
    }
    return {};
}
