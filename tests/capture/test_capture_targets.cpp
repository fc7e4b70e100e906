// Where the tool writes: through symbolic links to the file they name, straight into pipes,
// devices and standard output (never a file renamed over them), and onto a full disk
// without losing what was there. Device nodes are made in the test's own folder: the
// machine's own /dev is never a target.
#include "capture_test_support.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

static const std::vector<std::string> shortVideo{"--size", "64x48", "--to", "500"};

static std::vector<std::string> withShortVideo(std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), shortVideo.begin(), shortVideo.end());
    return arguments;
}

static std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

static mode_t fileType(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// The first box of an MP4 file names its brand: "....ftyp".
static bool looksLikeMp4(const std::string& bytes) {
    return bytes.size() > 1000 && bytes.compare(4, 4, "ftyp") == 0;
}

static std::string linkTarget(const std::string& link) {
    char text[4096];
    const ssize_t length = readlink(link.c_str(), text, sizeof text);
    return length < 0 ? "" : std::string(text, static_cast<std::size_t>(length));
}

// A character device node for (major, minor) in the test's folder; empty when the machine
// does not allow one to be made.
static std::string makeDevice(const std::string& path, unsigned major, unsigned minor) {
    if (mknod(path.c_str(), S_IFCHR | 0666, makedev(major, minor)) != 0) return "";
    return path;
}

TEST(CaptureTargets, LinksAreWrittenThroughAndStay) {
    const std::string folder = freshFolder("links");
    mkdir((folder + "/renders").c_str(), 0777);
    std::ofstream(folder + "/renders/v3.mp4") << "an older video";
    symlink("renders/v3.mp4", (folder + "/latest.mp4").c_str());
    symlink("renders/v4.mp4", (folder + "/next.mp4").c_str()); // nothing there yet
    for (const char* link : {"/latest.mp4", "/next.mp4"}) {
        const ProcessResult result = runCapture(withShortVideo({"--mp4", folder + link}));
        EXPECT_EQ(result.exitCode, 0) << link << "\n" << result.err;
    }
    EXPECT_EQ(linkTarget(folder + "/latest.mp4"), "renders/v3.mp4");
    EXPECT_EQ(linkTarget(folder + "/next.mp4"), "renders/v4.mp4");
    EXPECT_TRUE(looksLikeMp4(fileText(folder + "/renders/v3.mp4")));
    EXPECT_TRUE(looksLikeMp4(fileText(folder + "/renders/v4.mp4")));
    // No temporary left beside the links or beside the files.
    EXPECT_EQ(folderEntries(folder),
              (std::vector<std::string>{"latest.mp4", "next.mp4", "renders"}));
    EXPECT_EQ(folderEntries(folder + "/renders"), (std::vector<std::string>{"v3.mp4", "v4.mp4"}));

    // A folder of frames reached through a link is written into.
    mkdir((folder + "/frames").c_str(), 0777);
    symlink("frames", (folder + "/stills").c_str());
    const ProcessResult stills =
        runCapture({"--png", folder + "/stills", "--still", "0", "--size", "32x24"});
    EXPECT_EQ(stills.exitCode, 0) << stills.err;
    EXPECT_EQ(fileType(folder + "/stills"), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(folderEntries(folder + "/frames"), std::vector<std::string>{"still-00000.png"});
}

TEST(CaptureTargets, PipesAndDevicesAreStreamedToAndStayWhatTheyWere) {
    const std::string folder = freshFolder("streams");
    // A named pipe with a reader, as `cat cap.fifo > out &` would be.
    const std::string fifo = folder + "/cap.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    std::string received;
    std::atomic<bool> toolDone{false};
    std::thread reader([&] {
        // Not blocking: a tool that never opens the pipe must not hang the test.
        const int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        char chunk[65536];
        for (pollfd wait{fd, POLLIN, 0}; fd >= 0;) {
            const int ready = poll(&wait, 1, 100);
            if (ready == 0 && toolDone) break;
            if (ready <= 0) continue;
            if ((wait.revents & POLLIN) == 0) break; // the writer came and went
            const ssize_t got = read(fd, chunk, sizeof chunk);
            if (got == 0) break;
            if (got > 0) received.append(chunk, static_cast<std::size_t>(got));
        }
        if (fd >= 0) close(fd);
    });
    const ProcessResult piped = runCapture(withShortVideo({"--mp4", fifo}));
    toolDone = true;
    reader.join();
    EXPECT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(fileType(fifo), static_cast<mode_t>(S_IFIFO));
    EXPECT_TRUE(looksLikeMp4(received)) << received.size() << " bytes";
    // What came through the pipe is a whole video a player reads.
    const std::string copy = folder + "/received.mp4";
    std::ofstream(copy, std::ios::binary) << received;
    const ProcessResult probe =
        runProcess({"/usr/bin/ffprobe", "-v", "error", "-count_frames", "-select_streams", "v",
                    "-show_entries", "stream=nb_read_frames", "-of", "csv=p=0", copy});
    EXPECT_EQ(probe.out, "30\n") << probe.err;

    // A device that takes everything: the video goes in, the node stays a device.
    const std::string null = makeDevice(folder + "/null", 1, 3);
    if (null.empty()) GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    const ProcessResult sunk = runCapture(withShortVideo({"--mp4", null}));
    EXPECT_EQ(sunk.exitCode, 0) << sunk.err;
    EXPECT_EQ(fileType(null), static_cast<mode_t>(S_IFCHR));
    // A device that is always full: a failure, and still the device.
    const std::string full = makeDevice(folder + "/full", 1, 7);
    symlink("full", (folder + "/to-full.mp4").c_str());
    for (const std::string& target : {full, folder + "/to-full.mp4"}) {
        const ProcessResult result = runCapture(withShortVideo({"--mp4", target}));
        EXPECT_EQ(result.exitCode, 1) << target << "\n" << result.err;
        // Whether ffmpeg gave up before or after the last frame depends on the pipe's room.
        EXPECT_NE(result.err.find("the video sent to " + target + " is incomplete"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.err.find("wrote"), std::string::npos) << result.err;
    }
    EXPECT_EQ(fileType(full), static_cast<mode_t>(S_IFCHR));
    EXPECT_EQ(linkTarget(folder + "/to-full.mp4"), "full");
    EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"cap.fifo", "full", "null",
                                                               "received.mp4", "to-full.mp4"}));

    // Frames, one file each, cannot go into a stream: refused before anything is drawn.
    for (const std::string& target : {fifo, null, std::string("-")}) {
        const ProcessResult result = runCapture({"--png", target, "--still", "0"});
        EXPECT_EQ(result.exitCode, 1) << target;
        EXPECT_TRUE(isOneLine(result.err)) << result.err;
        EXPECT_NE(result.err.find("needs a folder"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "") << target;
    }
    EXPECT_EQ(fileType(fifo), static_cast<mode_t>(S_IFIFO));
}

TEST(CaptureTargets, StandardOutputCarriesAVideoAPlayerReadsAndTheShowsLinesGoElsewhere) {
    const std::string folder = freshFolder("stdout");
    // "-", and a link to the tool's own standard output (what /dev/stdout is).
    symlink("/proc/self/fd/1", (folder + "/out").c_str());
    for (const std::string& target : {std::string("-"), folder + "/out"}) {
        ProcessOptions options;
        options.workingDirectory = QUORRIN_DATA_DIR;
        const std::string script =
            std::string(QUORRIN_CAPTURE_EXE) + " --mp4 " + target +
            " --size 64x48 --to 1000 | /usr/bin/ffprobe -v error -count_frames -show_entries "
            "stream=codec_name,nb_read_frames -of csv=p=0 -; echo \"status ${PIPESTATUS[0]}\"";
        const ProcessResult result = runProcess({"/bin/bash", "-c", script}, options);
        // Sixty frames; the sound's frame count depends on the encoder's priming.
        const std::vector<std::string> lines = splitLines(result.out);
        ASSERT_EQ(lines.size(), 3u) << target << "\n" << result.out << result.err;
        EXPECT_EQ(lines[0], "h264,60");
        EXPECT_EQ(lines[1].rfind("aac,", 0), 0u) << lines[1];
        EXPECT_EQ(lines[2], "status 0");
        // The show's progress lines (scene 1 from its first frame) came out on standard error.
        const std::vector<std::string> errors = splitLines(result.err);
        EXPECT_NE(std::find(errors.begin(), errors.end(), "0.000000"), errors.end()) << result.err;
        EXPECT_NE(result.err.find("wrote " + (target == "-" ? "standard output" : target)),
                  std::string::npos)
            << result.err;
    }
    EXPECT_EQ(linkTarget(folder + "/out"), "/proc/self/fd/1");
}

// A tmpfs of 64 KiB mounted for the test (as root), filled up by the capture.
struct SmallDisk {
    std::string folder;
    bool mounted = false;
    int error = 0;
    explicit SmallDisk(const std::string& path) : folder(path) {
        mounted = mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
        error = mounted ? 0 : errno;
    }
    ~SmallDisk() {
        if (mounted) umount2(folder.c_str(), MNT_DETACH);
    }
};

TEST(CaptureTargets, AFullDiskIsNamedAndTheOldFileStays) {
    const std::string folder = freshFolder("full-disk");
    const SmallDisk disk(folder);
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(disk.error)
                     << "); the full device above covers a write that fails";
    std::ofstream(folder + "/show.mp4") << "an older video";
    const std::vector<std::vector<std::string>> runs = {
        {"--mp4", folder + "/show.mp4", "--size", "320x240", "--to", "3000"},
        {"--storyboard", folder + "/show.mp4", "--still", "0,1000,2000", "--size", "320x240"},
        {"--png", folder, "--still", "0,1000,2000", "--size", "320x240"},
    };
    for (const auto& arguments : runs) {
        const ProcessResult result = runCapture(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments[0] << "\n" << result.err;
        const std::vector<std::string> lines = splitLines(result.err);
        std::vector<std::string> ours;
        for (const std::string& line : lines)
            if (line.rfind("quorrin-capture: ", 0) == 0 && line.find('%') == std::string::npos)
                ours.push_back(line);
        ASSERT_EQ(ours.size(), 1u) << result.err;
        EXPECT_TRUE(ours[0].find("No space left on device") != std::string::npos ||
                    ours[0].find("is full") != std::string::npos)
            << ours[0];
        EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"show.mp4"}) << arguments[0];
        EXPECT_EQ(fileText(folder + "/show.mp4"), "an older video") << arguments[0];
    }
}
