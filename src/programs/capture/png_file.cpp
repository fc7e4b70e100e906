#include "programs/capture/png_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <png.h>
#include <unistd.h>

static png_image rgbImage(int width, int height, PngSpeed speed) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    // Frame sequences trade file size for speed; single pictures are kept small.
    if (speed == PngSpeed::fast) image.flags |= PNG_IMAGE_FLAG_FAST;
    return image;
}

// A negative stride walks the rows from the last one up, turning GL's order upright.
static png_int_32 rowStride(int width, RowOrder order) {
    return (order == RowOrder::bottomUp ? -1 : 1) * width * 3;
}

// Writes the picture and closes the file. A failed write is named by the system's reason
// (a full disk says so), not by the PNG library's bare "Write Error".
static std::string writeAndClose(std::FILE* file, int width, int height, const std::uint8_t* rgb,
                                 RowOrder order, PngSpeed speed) {
    png_image image = rgbImage(width, height, speed);
    errno = 0;
    const bool encoded =
        png_image_write_to_stdio(&image, file, 0, rgb, rowStride(width, order), nullptr) != 0;
    int writeError = std::ferror(file) ? errno : 0;
    std::string message = encoded ? "" : image.message;
    if (!encoded) png_image_free(&image);
    // The last buffered bytes go out only now, and may still find the disk full.
    if (writeError == 0 && (std::fflush(file) != 0 || std::ferror(file))) writeError = errno;
    if (std::fclose(file) != 0 && writeError == 0) writeError = errno;
    if (writeError != 0) return std::strerror(writeError);
    return message;
}

std::string writePngToFd(int fd, int width, int height, const std::uint8_t* rgb, RowOrder order,
                         PngSpeed speed) {
    const int copy = dup(fd);
    std::FILE* file = copy >= 0 ? fdopen(copy, "wb") : nullptr;
    if (file == nullptr) {
        const std::string message = std::strerror(errno);
        if (copy >= 0) close(copy);
        return message;
    }
    return writeAndClose(file, width, height, rgb, order, speed);
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
