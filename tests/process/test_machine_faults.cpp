// Faults a real machine brings: pictures and soundtrack missing, broken or replaced by
// folders. Each run must still reach the end of the show with status 0; pictures that fail
// are named, a soundtrack that fails is silent.
#include "memory_limit.h"
#include "process_runner.h"
#include "show_runs.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// A private copy of the show's folder: the pictures, the soundtrack, nothing else.
static fs::path showFolder(const std::string& name) {
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("quorrin-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(dataPath("image"), folder / "image");
    fs::copy_file(dataPath("quorrin.wav"), folder / "quorrin.wav");
    return folder;
}

static ProcessResult runIn(const fs::path& folder) {
    ProcessOptions options;
    options.workingDirectory = folder.string();
    options.unsetEnv = {"SDL_AUDIODRIVER"};
    return runProcess({QUORRIN_STEPPED_SDL_EXE, "400", "-w"}, options);
}

static void expectShowRanToTheEnd(const ProcessResult& run, const std::string& what) {
    EXPECT_FALSE(run.timedOut) << what;
    EXPECT_EQ(run.signal, 0) << what;
    EXPECT_EQ(run.exitCode, 0) << what;
    EXPECT_EQ(splitLines(run.out).size(), expectedProgressLines(400).size()) << what;
}

static void truncateFile(const fs::path& file, std::uintmax_t size) {
    fs::resize_file(file, size);
}

TEST(MachineFaults, PictureFolderThatCannotBeRead) {
    // Run as root, permissions cannot make a folder unreadable; a file or a dangling link
    // where the folder should be fails the same way for every picture.
    for (const std::string kind : {"file", "dangling-link"}) {
        const fs::path folder = showFolder("no-image-" + kind);
        fs::remove_all(folder / "image");
        if (kind == "file")
            std::ofstream(folder / "image") << "not a folder";
        else
            fs::create_symlink(folder / "nowhere", folder / "image");
        const ProcessResult run = runIn(folder);
        expectShowRanToTheEnd(run, kind);
        EXPECT_EQ(splitLines(run.err).size(), 29u) << kind << ":\n" << run.err;
    }
    if (geteuid() != 0) {
        const fs::path folder = showFolder("image-unreadable");
        fs::permissions(folder / "image", fs::perms::none);
        const ProcessResult run = runIn(folder);
        fs::permissions(folder / "image", fs::perms::owner_all);
        expectShowRanToTheEnd(run, "unreadable");
        EXPECT_EQ(splitLines(run.err).size(), 29u) << run.err;
    }
}

TEST(MachineFaults, BrokenPicturesAreNamedAndTheRestLoads) {
    const fs::path folder = showFolder("broken-pictures");
    fs::remove(folder / "image" / "cube.bmp");
    fs::create_directory(folder / "image" / "cube.bmp");             // a folder
    truncateFile(folder / "image" / "rock.bmp", 20);                 // header cut short
    truncateFile(folder / "image" / "title.bmp", 54 + 1000);         // pixels cut short: loads
    truncateFile(folder / "image" / "shine2.bmp", 54 + 300);         // palette cut short: loads
    std::ofstream(folder / "image" / "summer.bmp", std::ios::trunc); // empty
    fs::remove(folder / "image" / "code.bmp");
    mkfifo((folder / "image" / "code.bmp").c_str(), 0666); // would wait for a writer
    const std::vector<std::uint8_t> claim = bitmapFile(16384, 16384, 24, {}); // 54 bytes
    std::ofstream(folder / "image" / "music.bmp", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(claim.data()), static_cast<long>(claim.size()));
    const ProcessResult run = runIn(folder);
    expectShowRanToTheEnd(run, "broken pictures");
    EXPECT_EQ(run.err, "Load Bitmap failed : image/cube.bmp\n"
                       "Load Bitmap failed : image/code.bmp\n"
                       "Load Bitmap failed : image/music.bmp\n"
                       "Load Bitmap failed : image/rock.bmp\n"
                       "Load Bitmap failed : image/summer.bmp\n");
}

TEST(MachineFaults, ABrokenSoundtrackLeavesTheShowSilentAndStandardErrorClean) {
    const std::string kinds[] = {"missing",   "empty",  "truncated",
                                 "not-a-wav", "folder", "header-only"};
    for (const std::string& kind : kinds) {
        const fs::path folder = showFolder("wav-" + kind);
        const fs::path wav = folder / "quorrin.wav";
        if (kind == "missing") fs::remove(wav);
        if (kind == "empty") truncateFile(wav, 0);
        if (kind == "truncated") truncateFile(wav, 44 + 44100);
        if (kind == "header-only") truncateFile(wav, 44);
        if (kind == "not-a-wav")
            std::ofstream(wav, std::ios::trunc) << "RIFF\x10\0\0\0WAVEjunkjunk";
        if (kind == "folder") {
            fs::remove(wav);
            fs::create_directory(wav);
        }
        const ProcessResult run = runIn(folder);
        expectShowRanToTheEnd(run, kind);
        EXPECT_EQ(run.err, "") << kind;
    }
}

TEST(MachineFaults, ASoundtrackThatCouldStallTheStartIsSilentInstead) {
    // A named pipe would wait for a writer for ever; a header claiming 4 GB over a sparse file
    // of that size would be read whole. With a sound device (SDL's disk driver), so the
    // soundtrack really is opened.
    for (const std::string kind : {"named-pipe", "sparse-4-GB"}) {
        const fs::path folder = showFolder("wav-" + kind);
        const fs::path wav = folder / "quorrin.wav";
        fs::remove(wav);
        if (kind == "named-pipe") {
            mkfifo(wav.c_str(), 0666);
        } else {
            std::ofstream header(wav, std::ios::binary);
            header.write("RIFF\xf8\xff\xff\xffWAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0"
                         "\x10\xb1\x02\0\x04\0\x10\0data\xd4\xff\xff\xff",
                         44);
            header.close();
            fs::resize_file(wav, 0xFFFFFFFCull);
        }
        ProcessOptions options;
        options.workingDirectory = folder.string();
        const std::string audio = (folder / "audio.raw").string();
        options.env = {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + audio};
        options.timeoutSeconds = 120;
        const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, "400", "-w"}, options);
        expectShowRanToTheEnd(run, kind);
        EXPECT_EQ(run.err, "") << kind;
        EXPECT_LT(run.seconds, 30) << kind << ": the start stalled";
        EXPECT_FALSE(fs::exists(audio) && fs::file_size(audio) > 0) << kind << ": music played";
        fs::remove_all(folder);
    }
}

TEST(MachineFaults, APictureTooBigForTheMemoryLeftFailsToLoadAndTheShowGoesOn) {
    if (addressSanitizerBuild)
        GTEST_SKIP() << "AddressSanitizer cannot run under an address-space limit";
    const fs::path folder = showFolder("picture-too-big");
    const std::vector<std::uint8_t> bytes = pictureThatPromisesTooMuch();
    std::ofstream(folder / "image" / "cube.bmp", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    ProcessOptions options;
    options.workingDirectory = folder.string();
    options.unsetEnv = {"SDL_AUDIODRIVER"};
    options.addressSpaceLimit = twoGigabytes;
    const ProcessResult run = runProcess({QUORRIN_STEPPED_SDL_EXE, "400", "-w"}, options);
    expectShowRanToTheEnd(run, "picture too big");
    EXPECT_EQ(run.err, "Load Bitmap failed : image/cube.bmp\n");
}
