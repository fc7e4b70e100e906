// PNG files as the tool writes them, and the storyboard picture with its labels.
#include "programs/capture/image.h"
#include "programs/capture/label_font.h"
#include "programs/capture/output_files.h"
#include "programs/capture/png_file.h"
#include "programs/capture/storyboard.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

static std::string scratchFile(const char* name) {
    return std::string(::testing::TempDir()) + "/" + std::to_string(getpid()) + "-" + name;
}

// A picture whose every pixel differs from its neighbours, so any row or column mix-up shows.
static std::vector<std::uint8_t> numberedPixels(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = static_cast<std::uint8_t>(x * 7);
            p[1] = static_cast<std::uint8_t>(y * 11);
            p[2] = static_cast<std::uint8_t>(x + y * width);
        }
    return rgb;
}

static std::string writePng(const std::string& path, int width, int height, const std::uint8_t* rgb,
                            RowOrder order, PngSpeed speed) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    std::string error = writePngToFd(fd, width, height, rgb, order, speed);
    close(fd);
    return error;
}

TEST(PngFile, BottomUpRowsComeOutUpright) {
    const int width = 17, height = 5; // odd width: rows are not 4-byte multiples
    const std::vector<std::uint8_t> glRows = numberedPixels(width, height);
    const std::string path = scratchFile("upright.png");
    for (PngSpeed speed : {PngSpeed::small, PngSpeed::fast}) {
        ASSERT_EQ(writePng(path, width, height, glRows.data(), RowOrder::bottomUp, speed), "");
        RgbImage read;
        ASSERT_EQ(readPng(path, read), "");
        ASSERT_EQ(read.width, width);
        ASSERT_EQ(read.height, height);
        EXPECT_EQ(read.pixels, imageFromBottomUp(width, height, glRows.data()).pixels);
        // The file's top row is GL's last.
        EXPECT_EQ(read.pixels[1], glRows[(static_cast<std::size_t>(height - 1) * width) * 3 + 1]);
    }
    ASSERT_EQ(writePng(path, width, height, glRows.data(), RowOrder::topDown, PngSpeed::small), "");
    RgbImage read;
    ASSERT_EQ(readPng(path, read), "");
    EXPECT_EQ(read.pixels, glRows);
    std::remove(path.c_str());
}

TEST(PngFile, FailuresAreReportedNotThrown) {
    const std::vector<std::uint8_t> rgb(16 * 16 * 3);
    EXPECT_EQ(writePng("/dev/full", 16, 16, rgb.data(), RowOrder::topDown, PngSpeed::small),
              "No space left on device");
    RgbImage image;
    EXPECT_NE(readPng("/nonexistent-folder/x.png", image), "");
    const std::string notPng = scratchFile("not.png");
    std::FILE* file = std::fopen(notPng.c_str(), "w");
    std::fputs("plain text", file);
    std::fclose(file);
    EXPECT_NE(readPng(notPng, image), "");
    std::remove(notPng.c_str());
}

static std::string fileText(const std::string& path) {
    char text[16] = {};
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) return "<missing>";
    if (std::fgets(text, sizeof text, file) == nullptr) text[0] = '\0';
    std::fclose(file);
    return text;
}

TEST(OutputFiles, TemporaryNamesAreHiddenUnfinishedAndWithinTheNameLimit) {
    EXPECT_EQ(temporaryNameFor("show.mp4", "1a2b"), ".show.mp4.1a2b.part");
    // The longest legal name is shortened to fit, never inside a two-byte character.
    const std::string longest = temporaryNameFor(std::string(255, 'n'), "0123456789ab");
    EXPECT_EQ(longest.size(), 255u);
    EXPECT_EQ(longest.substr(longest.size() - 18), ".0123456789ab.part");
    const std::string accented = std::string(235, 'x') + "\xc3\xa9yyyy";
    EXPECT_EQ(temporaryNameFor(accented, "0123456789ab"),
              "." + std::string(235, 'x') + ".0123456789ab.part");
    EXPECT_EQ(parentFolder("/show.mp4"), "/");
    EXPECT_EQ(fileName("/a/b/show.mp4"), "show.mp4");
    EXPECT_EQ(absolutePath("/x/y"), "/x/y");
    EXPECT_EQ(absolutePath("y").front(), '/');
}

TEST(OutputFiles, AFinishedFileReplacesTheOldOneWithItsModeAFailedOneLeavesItAlone) {
    const std::string folder = scratchFile("replace");
    mkdir(folder.c_str(), 0777);
    const std::string target = folder + "/target.txt";
    std::FILE* old = std::fopen(target.c_str(), "w");
    std::fputs("old", old);
    std::fclose(old);
    chmod(target.c_str(), 0600);
    for (const bool fails : {true, false}) {
        OutputTarget output;
        ASSERT_EQ(resolveOutputTarget(target, output), "");
        const std::string error = writeOutput(
            output, [&](int fd) { return write(fd, "new", 3) == 3 && !fails ? "" : "it failed"; });
        EXPECT_EQ(error, fails ? "it failed" : "");
        EXPECT_EQ(fileText(target), fails ? "old" : "new");
        struct stat info {};
        stat(target.c_str(), &info);
        EXPECT_EQ(info.st_mode & 07777, 0600u); // never opened up to others
        const auto entries = std::distance(std::filesystem::directory_iterator(folder),
                                           std::filesystem::directory_iterator());
        EXPECT_EQ(entries, 1); // no temporary left behind
    }
    std::filesystem::remove_all(folder);
}

TEST(OutputFiles, FoldersAreMadeAndLinksFollowedFromTheirOwnFolder) {
    const std::string root = scratchFile("targets");
    OutputTarget target;
    EXPECT_EQ(resolveOutputFolder(root + "/made/deeper", target), "");
    EXPECT_EQ(target.kind, TargetKind::folder);
    EXPECT_NE(resolveOutputFolder("/proc/version/x", target), "");
    mkdir((root + "/a").c_str(), 0777);
    mkdir((root + "/b").c_str(), 0777);
    // a/show.mp4 -> ../b/latest.mp4 -> v3.mp4 (in b, not in a), which does not exist yet.
    symlink("../b/latest.mp4", (root + "/a/show.mp4").c_str());
    symlink("v3.mp4", (root + "/b/latest.mp4").c_str());
    EXPECT_EQ(resolveOutputTarget(root + "/a/show.mp4", target), "");
    EXPECT_EQ(target.kind, TargetKind::file);
    EXPECT_EQ(writeOutput(target, [](int fd) { return write(fd, "v3", 2) == 2 ? "" : "no"; }), "");
    EXPECT_EQ(fileText(root + "/b/v3.mp4"), "v3");
    symlink("loop", (root + "/loop").c_str());
    EXPECT_NE(resolveOutputTarget(root + "/loop", target), "");
    mkfifo((root + "/pipe").c_str(), 0666);
    EXPECT_EQ(resolveOutputTarget(root + "/pipe", target), "");
    EXPECT_EQ(target.kind, TargetKind::stream);
    EXPECT_EQ(resolveOutputTarget("-", target), "");
    EXPECT_EQ(target.kind, TargetKind::stream);
    EXPECT_EQ(resolveOutputTarget(root + "/a/", target), "");
    EXPECT_EQ(target.kind, TargetKind::folder);
    std::filesystem::remove_all(root);
}

TEST(Storyboard, LabelsNameSceneAndTime) {
    EXPECT_EQ(storyboardLabel(2, 20000), "scene 2  20.0 s");
    EXPECT_EQ(storyboardLabel(3, 48200), "scene 3  48.2 s");
    EXPECT_EQ(storyboardLabel(1, 16599), "scene 1  16.599 s");
    EXPECT_EQ(storyboardLabel(1, 0), "scene 1  0.0 s");
    // Every character a label can hold has a glyph.
    for (char c : std::string("scene 0123456789.:-m"))
        if (c != ' ') {
            const std::uint8_t* rows = glyphRows(c);
            int lit = 0;
            for (int r = 0; r < glyphHeight; ++r)
                lit += rows[r] != 0;
            EXPECT_GT(lit, 0) << c;
        }
    // On narrower tiles a label shrinks, then keeps only its time, then goes: it never
    // reaches under the next tile.
    const std::string label = storyboardLabel(3, 48200);
    for (const int width : {400, 120, 60, 20}) {
        int scale = 0;
        const std::string fitted = fittedLabel(label, width, scale);
        EXPECT_LE(textWidth(fitted, scale), width) << width;
        EXPECT_EQ(fitted.empty(), width == 20) << width;
    }
    int scale = 0;
    EXPECT_EQ(fittedLabel(label, 60, scale), "48.2 s");
}

TEST(Storyboard, TilesGoLeftToRightThenDownWithLabelsUnderThem) {
    std::vector<RgbImage> tiles;
    for (int i = 0; i < 6; ++i) {
        RgbImage tile{40, 30, {}};
        tile.pixels.assign(40 * 30 * 3, static_cast<std::uint8_t>(30 + 30 * i));
        tiles.push_back(tile);
    }
    const RgbImage board = composeStoryboard(tiles, {"0", "1", "2", "3", "4", "5"}, 4);
    // Two rows of four columns' width, each tile with its band for the label.
    EXPECT_EQ(board.width, 8 + 4 * (40 + 8));
    const int rowHeight = (board.height - 8) / 2;
    EXPECT_EQ(board.height, 8 + 2 * rowHeight);
    const auto at = [&](int x, int y) {
        return board.pixels[(static_cast<std::size_t>(y) * board.width + x) * 3];
    };
    EXPECT_EQ(at(8 + 20, 8 + 15), 30);                      // tile 0, top left
    EXPECT_EQ(at(8 + 3 * 48 + 20, 8 + 15), 120);            // tile 3, top right
    EXPECT_EQ(at(8 + 48 + 20, 8 + rowHeight + 15), 180);    // tile 5, second row
    EXPECT_EQ(at(8 + 2 * 48 + 20, 8 + rowHeight + 15), 20); // no tile 6: the ground
    // Some ink in the band under tile 0, none in the gap beside it.
    int ink = 0;
    for (int y = 8 + 30; y < 8 + rowHeight - 8; ++y)
        for (int x = 8; x < 48; ++x)
            ink += at(x, y) > 200;
    EXPECT_GT(ink, 0);
    for (int y = 0; y < board.height; ++y)
        EXPECT_LT(at(4, y), 200);
}
