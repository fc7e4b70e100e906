#include "assets/bitmap_texture.h"

#include "assets/bitmap_decode.h"
#include "platform/message.h"
#include "platform/regular_file.h"

#include <cstdio>
#include <new>
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

// Reads the header, then at most as many bytes as it promises (a huge file is not slurped).
// The buffer grows with what the file really holds, so a short file that claims a giant
// picture costs no more than its own size here.
static std::vector<std::uint8_t> readBitmapFile(std::FILE* file, int maxSide) {
    std::vector<std::uint8_t> bytes;
    readUpTo(file, bitmapHeaderBytes, bytes);
    std::size_t needed = 0;
    if (checkBitmapHeader(readBitmapHeader(bytes.data(), bytes.size()), maxSide, needed) ==
            BitmapStatus::ok &&
        needed > bytes.size())
        readUpTo(file, needed - bytes.size(), bytes);
    return bytes;
}

// The decoded picture, or false when the file is unusable or memory ran out on the way: a
// picture too big for the memory left is a broken picture, not the end of the show.
static bool readPicture(std::FILE* file, DecodedBitmap& picture) {
    try {
        const int maxSide = largestTextureSide();
        const std::vector<std::uint8_t> bytes = readBitmapFile(file, maxSide);
        return decodeBitmap(bytes.data(), bytes.size(), maxSide, picture) == BitmapStatus::ok;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Start-up makes no GL errors of its own, so whatever is pending now came from the upload.
static bool uploadRanOutOfMemory() {
    bool outOfMemory = false;
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError())
        outOfMemory = outOfMemory || error == GL_OUT_OF_MEMORY;
    return outOfMemory;
}

GLuint loadBitmapTexture(const char* path) {
    const RegularFile opened = openRegularFile(path);
    std::FILE* file = opened.file;
    if (file == nullptr) {
        reportLoadFailure(path);
        return opened.found ? 0 : missingTexture;
    }
    DecodedBitmap picture;
    const bool decoded = readPicture(file, picture);
    std::fclose(file);
    if (!decoded) {
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
    // The driver keeps its own copy of the picture and may not find the memory for it.
    if (uploadRanOutOfMemory()) {
        glDeleteTextures(1, &name);
        reportLoadFailure(path);
        return 0;
    }
    return name;
}
