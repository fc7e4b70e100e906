// The tool's answers before it draws anything (help, one clear line for every refusal),
// and what a failing encoder leaves behind.
#include "capture_test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(CaptureCommandLine, HelpPrintsTheUsage) {
    const ProcessResult result = runCapture({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("usage: quorrin-capture"), std::string::npos);
    for (const char* option : {"--png", "--mp4", "--still", "--from", "--to", "--size", "--fps",
                               "--msaa", "--preset", "--bench", "--storyboard"})
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    EXPECT_EQ(result.err, "");
}

TEST(CaptureCommandLine, RefusalsAreOneLineAndAFailingStatus) {
    const std::vector<std::vector<std::string>> refused = {
        {"--mp4", "x.mp4", "--bogus"},
        {"--png", "frames", "--size", "3841x2160"},
        {"--png", "frames", "--size", "16x15"},
        {"--png", "frames", "--from", "80000"},
        {"--png", "frames", "--to", "80001"},
        {"--png", "frames", "--still", "0,90000"},
        {"--png", "frames", "--from", "2000", "--to", "1000"},
        {},
    };
    for (const auto& arguments : refused) {
        std::string shown;
        for (const auto& a : arguments)
            shown += a + " ";
        const ProcessResult result = runCapture(arguments);
        EXPECT_NE(result.exitCode, 0) << shown;
        EXPECT_EQ(result.signal, 0) << shown;
        EXPECT_TRUE(isOneLine(result.err)) << shown << "\n" << result.err;
        EXPECT_EQ(result.err.rfind("quorrin-capture: ", 0), 0u) << result.err;
        EXPECT_EQ(result.out, "") << shown;
    }
    // Nothing was made on the way.
    EXPECT_NE(access((std::string(QUORRIN_DATA_DIR) + "/frames").c_str(), F_OK), 0);
    EXPECT_NE(access((std::string(QUORRIN_DATA_DIR) + "/x.mp4").c_str(), F_OK), 0);
}

TEST(CaptureCommandLine, MissingEncoderNamesItsPackage) {
    const std::string folder = freshFolder("no-ffmpeg");
    ProcessOptions options;
    options.env = {"PATH=" + folder}; // an empty folder: no ffmpeg anywhere
    const ProcessResult result = runCapture({"--mp4", folder + "/show.mp4"}, options);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(isOneLine(result.err)) << result.err;
    EXPECT_NE(result.err.find("ffmpeg is not installed"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Debian package \"ffmpeg\""), std::string::npos) << result.err;
    EXPECT_TRUE(folderEntries(folder).empty());
}

TEST(CaptureCommandLine, AFailingEncoderLeavesTheOldFileAlone) {
    const std::string folder = freshFolder("failing-encoder");
    const std::string bin = folder + "/bin";
    mkdir(bin.c_str(), 0777);
    // An encoder that gives up at once, as ffmpeg does on a full disk or a bad option.
    std::ofstream(bin + "/ffmpeg") << "#!/bin/sh\necho 'ffmpeg: gave up' >&2\nexit 3\n";
    chmod((bin + "/ffmpeg").c_str(), 0755);
    const std::string target = folder + "/show.mp4";
    std::ofstream(target) << "an older video";
    ProcessOptions options;
    options.env = {"PATH=" + bin};
    const ProcessResult result =
        runCapture({"--mp4", target, "--size", "64x48", "--to", "2000"}, options);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ffmpeg: gave up"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("no video was written"), std::string::npos) << result.err;
    EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"bin", "show.mp4"}));
    std::string kept;
    std::getline(std::ifstream(target), kept);
    EXPECT_EQ(kept, "an older video");
}

TEST(CaptureCommandLine, UnwritableOutputsAreRefusedBeforeDrawing) {
    const std::string folder = freshFolder("unwritable");
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--mp4", folder + "/missing/show.mp4"},
                                               {"--mp4", "/proc/show.mp4"},
                                               {"--png", "/proc/version/frames"},
                                               {"--storyboard", "/proc/board.png"}}) {
        const ProcessResult result = runCapture(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments[1];
        EXPECT_TRUE(isOneLine(result.err)) << result.err;
        EXPECT_NE(result.err.find("cannot"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "") << "drew frames before refusing " << arguments[1];
    }
}

TEST(CaptureCommandLine, NoDisplayIsExplainedNotCrashedOn) {
    const std::string folder = freshFolder("no-display");
    ProcessOptions options;
    options.unsetEnv = {"DISPLAY", "WAYLAND_DISPLAY"};
    const ProcessResult result = runCapture({"--png", folder, "--still", "0"}, options);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(isOneLine(result.err)) << result.err;
    EXPECT_NE(result.err.find("xvfb-run"), std::string::npos) << result.err;
}
