// What the tool writes: PNG frames and stills, a storyboard, the benchmark's figures; that
// a mid-show start draws the full show's pixels; and that an interruption leaves no
// unfinished file behind.
#include "capture_test_support.h"
#include "image_compare.h"
#include "memory_limit.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

static bool anyPixelLit(const RgbImage& image) {
    for (std::uint8_t v : image.pixels)
        if (v > 16) return true;
    return false;
}

TEST(CaptureFiles, StillsAreWrittenUprightAndTheShowsLinesStayOnStandardOutput) {
    const std::string folder = freshFolder("stills");
    const ProcessResult result =
        runCapture({"--png", folder, "--still", "16600,0", "--size", "64x48"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folderEntries(folder),
              (std::vector<std::string>{"still-00000.png", "still-16600.png"}));
    for (const char* name : {"/still-00000.png", "/still-16600.png"}) {
        const RgbImage image = loadPng(folder + name);
        EXPECT_EQ(image.width, 64);
        EXPECT_EQ(image.height, 48);
        EXPECT_TRUE(anyPixelLit(image)) << name;
    }
    // The show prints its progress for each frame it draws, exactly as it would on its own:
    // the two stills, scene 1's first frame and scene 2's. The 995 frames between them are
    // only carried forward, not drawn, and print nothing.
    const std::vector<std::string> lines = splitLines(result.out);
    EXPECT_EQ(lines, (std::vector<std::string>{"0.000000", "0.000000"}));
    // Ours went to standard error, ending with what was written.
    EXPECT_EQ(result.err.find("0.000000"), std::string::npos);
    EXPECT_NE(result.err.find("wrote " + folder), std::string::npos) << result.err;
}

TEST(CaptureFiles, AMidShowStartDrawsTheFullShowsPixels) {
    // The full run keeps every frame from the start at 10 fps; the later runs start in
    // scene 2 (its camera is held from frame to frame), in scene 3 (its tower turns by an
    // angle summed over the frames) and in scene 5 (lit by light 0 where scene 4 left it,
    // cleared with the grey of the frame before), after the random tables of scenes 1 and 2
    // are filled. The later runs carry the show to their start without drawing.
    const std::string full = freshFolder("full");
    const std::vector<std::string> common{"--fps", "10", "--size", "64x48"};
    auto run = [&](const std::string& folder, const char* from, const char* to) {
        std::vector<std::string> arguments{"--png", folder, "--from", from, "--to", to};
        arguments.insert(arguments.end(), common.begin(), common.end());
        const ProcessResult result = runCapture(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
    };
    run(full, "0", "72100");
    EXPECT_EQ(folderEntries(full).size(), 721u);
    const char* ranges[][2] = {{"25000", "25300"}, {"39000", "40100"}, {"72000", "72100"}};
    const std::size_t expected[] = {3, 11, 1};
    int differing = 0;
    for (int r = 0; r < 3; ++r) {
        const std::string folder = freshFolder("mid" + std::to_string(r));
        run(folder, ranges[r][0], ranges[r][1]);
        const std::vector<std::string> names = folderEntries(folder);
        EXPECT_EQ(names.size(), expected[r]) << ranges[r][0];
        for (const std::string& name : names) {
            const RgbImage fromStart = loadPng(full + "/" + name);
            const RgbImage fromMiddle = loadPng(folder + "/" + name);
            EXPECT_TRUE(anyPixelLit(fromStart)) << name;
            EXPECT_EQ(fromStart.pixels, fromMiddle.pixels) << name;
            differing += fromStart.pixels != loadPng(full + "/frame-000000.png").pixels;
        }
    }
    EXPECT_EQ(differing, 15); // the frames compared are real pictures, not the same one
}

TEST(CaptureFiles, StoryboardIsOnePictureOfTwelveLabelledFrames) {
    const std::string folder = freshFolder("storyboard");
    const ProcessResult result =
        runCapture({"--storyboard", folder + "/board.png", "--size", "64x48", "--fps", "20"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"board.png"});
    const RgbImage board = loadPng(folder + "/board.png");
    // Four columns, three rows, each tile with its label band (8 px gaps, 26 px band).
    EXPECT_EQ(board.width, 8 + 4 * (64 + 8));
    EXPECT_EQ(board.height, 8 + 3 * (48 + 26 + 8));
}

TEST(CaptureFiles, BenchPrintsATablePerSceneAndWritesNothing) {
    const std::string folder = freshFolder("bench");
    ProcessOptions options;
    options.workingDirectory = folder; // the tool finds the show's files beside itself
    const ProcessResult result =
        runCapture({"--bench", "--from", "16000", "--to", "17000", "--size", "64x48"}, options);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("scene   frames  median ms     p95 ms       fps"), std::string::npos)
        << result.err;
    // 16000 ... 16583 in scene 1 (36 frames), 16600 ... 16983 in scene 2 (24 frames).
    EXPECT_TRUE(
        std::regex_search(result.err, std::regex(R"(\n1 +36 +[0-9.]+ +[0-9.]+ +[0-9.]+\n)")))
        << result.err;
    EXPECT_TRUE(std::regex_search(result.err, std::regex(R"(\n2 +24 +[0-9.]+ )"))) << result.err;
    EXPECT_TRUE(std::regex_search(result.err, std::regex(R"(\nall +60 )"))) << result.err;
    EXPECT_TRUE(std::regex_search(result.err, std::regex(R"(start-up: \d+ ms)"))) << result.err;
    EXPECT_TRUE(std::regex_search(result.err, std::regex(R"(peak memory: [0-9.]+ MiB)")))
        << result.err;
    EXPECT_TRUE(folderEntries(folder).empty());
}

TEST(CaptureFiles, MultisamplingSmoothsEdgesWithoutChangingThePicture) {
    const std::string plain = freshFolder("plain"), smooth = freshFolder("smooth");
    for (const auto& [folder, msaa] : {std::pair{plain, "0"}, std::pair{smooth, "4"}}) {
        const ProcessResult result = runCapture({"--png", folder, "--still", "2000", "--size",
                                                 "320x240", "--fps", "10", "--msaa", msaa});
        ASSERT_EQ(result.exitCode, 0) << result.err;
    }
    const RgbImage a = loadPng(plain + "/still-02000.png");
    const RgbImage b = loadPng(smooth + "/still-02000.png");
    EXPECT_NE(a.pixels, b.pixels); // edges took in their neighbours' colour
    const ImageDifference difference = compareImages(a, b, 48);
    EXPECT_LT(difference.meanShift, 3);
    EXPECT_LT(difference.unmatched, 0.02);
}

TEST(CaptureFiles, InterruptionRemovesTheUnfinishedFileAndKeepsTheOldOne) {
    const std::string folder = freshFolder("interrupted");
    const std::string target = folder + "/show.mp4";
    std::ofstream(target) << "an older video";
    ProcessOptions options;
    options.signalToSend = SIGINT;
    options.signalAfterSeconds = 5;
    const ProcessResult result =
        runCapture({"--mp4", target, "--size", "320x240", "--from", "2000"}, options);
    EXPECT_EQ(result.signal, SIGINT) << result.err;
    EXPECT_NE(result.err.find("interrupted; removed the unfinished video"), std::string::npos)
        << result.err;
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"show.mp4"});
    std::string kept;
    std::getline(std::ifstream(target), kept);
    EXPECT_EQ(kept, "an older video");
}

TEST(CaptureFiles, APictureTooBigForTheMemoryLeftFailsToLoadAndTheCaptureGoesOn) {
    if (addressSanitizerBuild)
        GTEST_SKIP() << "AddressSanitizer cannot run under an address-space limit";
    namespace fs = std::filesystem;
    const std::string folder = freshFolder("picture-too-big");
    fs::copy(std::string(QUORRIN_DATA_DIR) + "/image", folder + "/image");
    fs::copy_file(std::string(QUORRIN_DATA_DIR) + "/quorrin.wav", folder + "/quorrin.wav");
    const std::vector<std::uint8_t> bytes = pictureThatPromisesTooMuch();
    std::ofstream(folder + "/image/cube.bmp", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    ProcessOptions options;
    options.workingDirectory = folder;
    options.addressSpaceLimit = twoGigabytes;
    const ProcessResult result =
        runCapture({"--png", folder + "/stills", "--still", "16600", "--size", "64x48"}, options);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.signal, 0) << result.err;
    EXPECT_EQ(result.err.rfind("Load Bitmap failed : image/cube.bmp\n", 0), 0u) << result.err;
    EXPECT_TRUE(anyPixelLit(loadPng(folder + "/stills/still-16600.png")));
}
