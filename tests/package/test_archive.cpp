// The demo-style archive that cpack -G TGZ made from this build, unpacked where a user
// would unpack it: an empty folder of their own.
#include "package_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

TEST(Archive, UnpackedIntoAnEmptyFolderItPlaysFromItsOwnFolder) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under a virtual X server (xvfb-run)";
    const std::string archive = QUORRIN_ARCHIVE_DIR "/" QUORRIN_ARCHIVE_NAME ".tar.gz";
    ASSERT_TRUE(fs::exists(archive)) << "cpack -G TGZ made no " << archive;
    TempFolder unpacked("unpacked");
    ASSERT_EQ(runTool({"tar", "-xzf", archive, "-C", unpacked.path}).exitCode, 0);

    // One folder, named after the release, with everything in it.
    ASSERT_EQ(folderEntries(unpacked.path), std::vector<std::string>{QUORRIN_ARCHIVE_NAME});
    const std::string folder = unpacked.path + "/" QUORRIN_ARCHIVE_NAME;
    EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"README.txt", "image", "quorrin",
                                                               "quorrin-capture", "quorrin.wav"}));
    std::vector<std::string> expected;
    for (const std::string& name : builtPictureNames())
        expected.push_back(name + ".bmp");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folderEntries(folder + "/image"), expected);
    std::stringstream readme;
    readme << std::ifstream(folder + "/README.txt").rdbuf();
    EXPECT_NE(readme.str().find("./quorrin -w"), std::string::npos) << "how to run it";
    EXPECT_NE(readme.str().find("apt-get install"), std::string::npos) << "what it needs";

    const ShowRun run = playUntilProgress({folder + "/quorrin", "-w"}, folder, 20);
    expectPlayedAndEndedCleanly(run, 20);

    // The capture finds its files beside itself wherever it is started from.
    TempFolder caller("caller");
    ProcessOptions options;
    options.workingDirectory = caller.path;
    const ProcessResult still = runProcess(
        {folder + "/quorrin-capture", "--png", "stills", "--still", "1000", "--size", "64x48"},
        options);
    EXPECT_EQ(still.exitCode, 0) << still.err;
    EXPECT_EQ(readPngSize(caller.path + "/stills/still-01000.png").width, 64u);
}
