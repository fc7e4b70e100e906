// Bitmap files into GL textures, in a real context: what reaches GL, and what a broken or
// missing file does to start-up.
#include "../unit/bitmap_bytes.h"
#include "assets/bitmap_texture.h"
#include "assets/texture_set.h"
#include "gl_test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

static std::string writeTemp(const std::string& name, const Bytes& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
}

static Bytes textureTexels(GLuint name, int width, int height) {
    Bytes texels(static_cast<std::size_t>(width) * height * 3);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

TEST(TextureLoading, TwoByTwoReachesGlTurnedAndLeftBound) {
    openTestWindow();
    const std::string path =
        writeTemp("two.bmp", bitmapFile(2, 2, 24, {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    const GLuint name = loadBitmapTexture(path.c_str());
    ASSERT_NE(name, 0u);
    ASSERT_NE(name, missingTexture);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(textureTexels(name, 2, 2), (Bytes{10, 11, 12, 7, 8, 9, 4, 5, 6, 1, 2, 3}));
    // Row alignment is back at GL's default for everyone else.
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
}

TEST(TextureLoading, FailuresNameTheFileAndReturnTheirValues) {
    openTestWindow();
    const std::string sixteen = writeTemp("sixteen.bmp", bitmapFile(4, 4, 16, Bytes(32, 0)));
    const std::string huge = writeTemp("huge.bmp", bitmapFile(100000, 4, 24, Bytes(32, 0)));
    const std::string missing = ::testing::TempDir() + "no-such-picture.bmp";
    GLuint probe = 0;
    glGenTextures(1, &probe); // the next name GL would hand out

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(loadBitmapTexture(sixteen.c_str()), 0u);
    EXPECT_EQ(loadBitmapTexture(huge.c_str()), 0u);
    EXPECT_EQ(loadBitmapTexture(missing.c_str()), missingTexture);
    EXPECT_EQ(loadBitmapTexture(::testing::TempDir().c_str()), 0u); // a folder
    const std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(err, "Load Bitmap failed : " + sixteen + "\nLoad Bitmap failed : " + huge +
                       "\nLoad Bitmap failed : " + missing +
                       "\nLoad Bitmap failed : " + ::testing::TempDir() + "\n");
    // No texture object was made for any of them.
    GLuint next = 0;
    glGenTextures(1, &next);
    EXPECT_EQ(next, probe + 1);
}

TEST(TextureLoading, TruncatedFileLoadsWithItsMissingPartBlack) {
    openTestWindow();
    Bytes pixels(8 * 8 * 3, 200);
    Bytes file = bitmapFile(8, 8, 24, pixels);
    file.resize(54 + 8 * 3); // only the bottom row survives
    const GLuint name = loadBitmapTexture(writeTemp("cut.bmp", file).c_str());
    ASSERT_NE(name, 0u);
    const Bytes texels = textureTexels(name, 8, 8);
    // Turned by half a turn, the surviving bottom row is the texture's last row.
    for (std::size_t i = 0; i < texels.size(); ++i)
        ASSERT_EQ(texels[i], i >= 7 * 8 * 3 ? 200 : 0) << i;
}

TEST(TextureLoading, AllPicturesMissingGiveTwentyNineMessagesInLoadOrder) {
    openTestWindow();
    const fs::path empty = fs::path(::testing::TempDir()) / "quorrin-empty";
    fs::create_directories(empty);
    const fs::path before = fs::current_path();
    fs::current_path(empty);
    ::testing::internal::CaptureStderr();
    loadTextureSet();
    const std::string err = ::testing::internal::GetCapturedStderr();
    fs::current_path(before);

    std::string expected;
    for (const TextureFile& file : textureFiles)
        expected += std::string("Load Bitmap failed : ") + file.path + "\n";
    EXPECT_EQ(err, expected);
    EXPECT_EQ(err.substr(0, err.find('\n')), "Load Bitmap failed : image/pNoise4.bmp");
    EXPECT_NE(err.find("image/summer.bmp\n"), std::string::npos);
    EXPECT_EQ(err.rfind("Load Bitmap failed : image/summer.bmp\n"),
              err.size() - std::string("Load Bitmap failed : image/summer.bmp\n").size());
    for (const TextureFile& file : textureFiles)
        EXPECT_EQ(*file.handle, missingTexture);
}

TEST(TextureLoading, TheShowsOwnPicturesAllLoad) {
    openTestWindow();
    ::testing::internal::CaptureStderr();
    loadTextureSet();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    for (const TextureFile& file : textureFiles) {
        EXPECT_NE(*file.handle, 0u) << file.path;
        EXPECT_NE(*file.handle, missingTexture) << file.path;
        EXPECT_TRUE(glIsTexture(*file.handle)) << file.path;
    }
}
