#include "assets/bitmap_texture.h"

#include "assets/bitmap_decode.h"
#include "platform/message.h"

#include <cstdio>
#include <string>
#include <vector>

static void reportLoadFailure(const char* path) {
    const std::string text = std::string("Load Bitmap failed : ") + path;
    showMessage(text.c_str());
}

static int largestTextureSide() {
    GLint glMax = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glMax);
    return glMax > 0 && glMax < bitmapMaxSide ? glMax : bitmapMaxSide;
}

// Reads the header, then only as many bytes as it promises (a huge file is not slurped).
static std::vector<std::uint8_t> readBitmapFile(std::FILE* file, int maxSide) {
    std::vector<std::uint8_t> bytes(bitmapHeaderBytes);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::size_t needed = 0;
    if (checkBitmapHeader(readBitmapHeader(bytes.data(), bytes.size()), maxSide, needed) !=
        BitmapStatus::ok)
        return bytes;
    if (bytes.size() < bitmapHeaderBytes) return bytes;
    bytes.resize(needed);
    const std::size_t got =
        std::fread(bytes.data() + bitmapHeaderBytes, 1, needed - bitmapHeaderBytes, file);
    bytes.resize(bitmapHeaderBytes + got);
    return bytes;
}

GLuint loadBitmapTexture(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        reportLoadFailure(path);
        return missingTexture;
    }
    const int maxSide = largestTextureSide();
    const std::vector<std::uint8_t> bytes = readBitmapFile(file, maxSide);
    std::fclose(file);

    DecodedBitmap picture;
    if (decodeBitmap(bytes.data(), bytes.size(), maxSide, picture) != BitmapStatus::ok) {
        reportLoadFailure(path);
        return 0;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    // Rows are packed tightly; with the default alignment of 4, GL would read past the end
    // of any picture whose rows are not a multiple of 4 bytes. The show's own pictures give
    // the same texture either way.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, picture.width, picture.height, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, picture.rgb.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return name;
}
