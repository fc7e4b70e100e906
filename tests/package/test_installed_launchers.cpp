// `cmake --install` with DESTDIR into a fresh folder, then the installed launchers started
// from another folder, as a user's shell starts them from the games path.
#include "package_test_support.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

static constexpr const char* prefix = "/usr/local";

class InstalledLaunchers : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under a virtual X server (xvfb-run)";
        ProcessOptions options;
        options.env = {"DESTDIR=" + root.path};
        options.timeoutSeconds = 600;
        const ProcessResult install = runProcess(
            {QUORRIN_CMAKE, "--install", QUORRIN_BUILD_DIR, "--prefix", prefix}, options);
        ASSERT_EQ(install.exitCode, 0) << install.out << install.err;
        // DESTDIR holds the whole install; nothing lands in the prefix itself.
        ASSERT_EQ(folderEntries(root.path), std::vector<std::string>{"usr"});
        installed = root.path + prefix;
    }

    std::string under(const std::string& relative) const { return installed + "/" + relative; }

    TempFolder root{"install root"};
    TempFolder caller{"caller"};
    std::string installed;
};

TEST_F(InstalledLaunchers, ShowPlaysFromItsDataFolderWhateverFolderItIsStartedFrom) {
    const ShowRun run =
        playUntilProgress({under(QUORRIN_LAUNCHER_DIR "/quorrin"), "-w"}, caller.path, 20);
    expectPlayedAndEndedCleanly(run, 20);
    // The launcher handed its process over to the real program, in the data folder.
    EXPECT_EQ(run.executable, fs::canonical(under(QUORRIN_PROGRAM_DIR "/quorrin")).string());
    EXPECT_EQ(run.workingFolder, fs::canonical(under(QUORRIN_DATA_DIR)).string());
    EXPECT_TRUE(folderEntries(caller.path).empty()) << "the show left files where it was started";
}

TEST_F(InstalledLaunchers, CaptureWritesIntoTheCallersFolderFromTheInstalledData) {
    const std::string capture = under(QUORRIN_LAUNCHER_DIR "/quorrin-capture");
    const ProcessResult version = runProcess({capture, "--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "quorrin-capture " QUORRIN_VERSION "\n");

    ProcessOptions options;
    options.workingDirectory = caller.path;
    const std::vector<std::string> still = {capture, "--png",  "stills", "--still",
                                            "1000",  "--size", "64x48"};
    const ProcessResult made = runProcess(still, options);
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const PngSize size = readPngSize(caller.path + "/stills/still-01000.png");
    EXPECT_EQ(size.width, 64u);
    EXPECT_EQ(size.height, 48u);

    // Without the installed data folder it has nothing to draw with: it was that folder it
    // read, and not one the build left behind.
    fs::rename(under(QUORRIN_DATA_DIR), under(QUORRIN_DATA_DIR ".away"));
    const ProcessResult lost = runProcess(still, options);
    EXPECT_NE(lost.exitCode, 0);
    EXPECT_NE(lost.err.find("cannot find image/"), std::string::npos) << lost.err;
}
