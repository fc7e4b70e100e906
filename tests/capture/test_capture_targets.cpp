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
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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

// The tool's lines on standard error that are not progress.
static std::vector<std::string> messages(const std::string& err) {
    std::vector<std::string> ours;
    for (const std::string& line : splitLines(err))
        if (line.rfind("quorrin-capture: ", 0) == 0 && line.find('%') == std::string::npos)
            ours.push_back(line);
    return ours;
}

TEST(CaptureTargets, AFullDiskAtTheVeryEndStillFailsAndKeepsTheOldVideo) {
    // The clip's size first, then a small disk filled to leave a little less than that:
    // ffmpeg runs out of room at the end, writing the index (the trailer).
    const std::string scratch = freshFolder("trailer-size");
    const std::vector<std::string> clip = {"--size", "320x240", "--to", "3000"};
    std::vector<std::string> arguments = {"--mp4", scratch + "/clip.mp4"};
    arguments.insert(arguments.end(), clip.begin(), clip.end());
    ASSERT_EQ(runCapture(arguments).exitCode, 0);
    const auto clipBytes =
        static_cast<long long>(std::filesystem::file_size(scratch + "/clip.mp4"));
    const std::string folder = freshFolder("full-at-trailer");
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=4m") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
    for (const long long shortBy : {512LL, 4096LL}) {
        std::ofstream(folder + "/clip.mp4") << "an older video";
        struct statvfs space {};
        statvfs(folder.c_str(), &space);
        const long long filler =
            static_cast<long long>(space.f_bavail * space.f_frsize) - (clipBytes - shortBy);
        std::ofstream(folder + "/filler", std::ios::binary)
            << std::string(static_cast<std::size_t>(std::max(filler, 0LL)), 'f');
        arguments[1] = folder + "/clip.mp4";
        const ProcessResult result = runCapture(arguments);
        EXPECT_EQ(result.exitCode, 1) << shortBy << "\n" << result.err;
        const std::vector<std::string> ours = messages(result.err);
        ASSERT_EQ(ours.size(), 1u) << result.err;
        EXPECT_NE(ours[0].find(folder + "/clip.mp4"), std::string::npos) << ours[0];
        EXPECT_EQ(fileText(folder + "/clip.mp4"), "an older video") << shortBy;
        EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"clip.mp4", "filler"}));
        std::remove((folder + "/filler").c_str());
    }
    umount2(folder.c_str(), MNT_DETACH);
}

TEST(CaptureTargets, AReaderThatLeavesEarlyOrStallsIsAFailure) {
    // `| head -c 1000`: the reader goes after a kilobyte.
    ProcessOptions inData;
    inData.workingDirectory = QUORRIN_DATA_DIR;
    const std::string script = std::string(QUORRIN_CAPTURE_EXE) +
                               " --mp4 - --to 3000 --size 320x240 | head -c 1000 >/dev/null; "
                               "echo \"status ${PIPESTATUS[0]}\"";
    const ProcessResult left = runProcess({"/bin/bash", "-c", script}, inData);
    EXPECT_EQ(left.out, "status 1\n") << left.err;
    EXPECT_NE(left.err.find("the reader of standard output closed it"), std::string::npos)
        << left.err;
    EXPECT_EQ(left.err.find("wrote"), std::string::npos) << left.err;

    // A named pipe whose reader opened it and then never reads: Ctrl-C still ends the
    // capture, encoder and all. A capture held up by its encoder runs for as long as the
    // reader stalls, here until it is killed; one that ends takes about a second (its encoder's
    // grace), five under the sanitizers on a busy machine. The bound lies well between the two,
    // and a capture still running at it is killed there rather than waited for.
    const std::string folder = freshFolder("stalled");
    const std::string fifo = folder + "/stalled.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    constexpr double hungAfterSeconds = 20;
    ProcessOptions options;
    options.signalToSend = SIGINT;
    options.signalAfterSeconds = 8;
    options.timeoutSeconds = options.signalAfterSeconds + hungAfterSeconds;
    const ProcessResult stalled = runCapture({"--mp4", fifo, "--size", "320x240"}, options);
    close(reader);
    EXPECT_FALSE(stalled.timedOut)
        << "the interrupted capture hung: still running " << hungAfterSeconds << " s after Ctrl-C";
    EXPECT_EQ(stalled.signal, SIGINT) << stalled.err;
}

TEST(CaptureTargets, TheShowsOwnFilesAreNeverTargets) {
    const std::vector<std::vector<std::string>> refused = {
        {"--mp4", "quorrin.wav"},
        {"--storyboard", "image/cube.bmp"},
        {"--png", "image", "--still", "0"},
        {"--png", ".", "--still", "0"},
        {"--mp4", QUORRIN_DATA_DIR "/image/../quorrin.wav"},
    };
    const auto sizeOf = [](const char* file) {
        return std::filesystem::file_size(std::string(QUORRIN_DATA_DIR) + "/" + file);
    };
    const auto wavBefore = sizeOf("quorrin.wav"), cubeBefore = sizeOf("image/cube.bmp");
    for (const auto& arguments : refused) {
        const ProcessResult result = runCapture(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments[1];
        EXPECT_TRUE(isOneLine(result.err)) << result.err;
        EXPECT_NE(result.err.find("the show's own"), std::string::npos) << result.err;
    }
    EXPECT_EQ(sizeOf("quorrin.wav"), wavBefore);
    EXPECT_EQ(sizeOf("image/cube.bmp"), cubeBefore);
}

TEST(CaptureTargets, NoPlantedLinkIsWrittenThroughAndTheReplacedFilesModeStays) {
    // A world-writable sticky folder, as /tmp: another user plants links at every name the
    // temporary could once be guessed by (".NAME.PID.part" for the next few thousand PIDs),
    // pointing at a file only root may write.
    const std::string folder = freshFolder("sticky");
    chmod(folder.c_str(), 01777);
    const std::string victim = freshFolder("victim") + "/root-only";
    std::ofstream(victim) << "keep me";
    chmod(victim.c_str(), 0600);
    for (int pid = getpid(); pid < getpid() + 4000; ++pid)
        symlink(victim.c_str(), (folder + "/.board.png." + std::to_string(pid) + ".part").c_str());
    const std::string board = folder + "/board.png";
    std::ofstream(board) << "an older board";
    chmod(board.c_str(), 0640);
    const ProcessResult result =
        runCapture({"--storyboard", board, "--still", "0,1000", "--size", "64x48"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(fileText(victim), "keep me");
    EXPECT_EQ(fileType(board), static_cast<mode_t>(S_IFREG));
    EXPECT_EQ(loadPng(board).width, 8 + 2 * (64 + 8));
    struct stat info {};
    stat(board.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folderEntries(folder).size(), 4000u + 1); // the links and the board, nothing more

    // A file its user may not write is refused, not replaced (as root, as another user, in
    // a folder that user can reach).
    char reachable[] = "/tmp/quorrin-read-only-XXXXXX";
    ASSERT_NE(mkdtemp(reachable), nullptr);
    chmod(reachable, 0777);
    const std::string readOnly = std::string(reachable) + "/read-only.png";
    std::ofstream(readOnly) << "read only";
    chmod(readOnly.c_str(), 0444);
    std::vector<std::string> asUser = {QUORRIN_CAPTURE_EXE, "--storyboard", readOnly};
    if (geteuid() == 0)
        asUser.insert(asUser.begin(),
                      {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"});
    ProcessOptions inData;
    inData.workingDirectory = QUORRIN_DATA_DIR;
    const ProcessResult refused = runProcess(asUser, inData);
    EXPECT_EQ(refused.exitCode, 1) << refused.err;
    EXPECT_NE(refused.err.find("cannot replace " + readOnly + ": Permission denied (mode 0444)"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(fileText(readOnly), "read only");
    std::filesystem::remove_all(reachable);
}
