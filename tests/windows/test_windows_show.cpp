// The Windows program itself under Wine: its whole run with its music, Esc, a missing
// picture, and a wide screen.
#include "held_screen.h"
#include "image_compare.h"
#include "wine_runs.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

static const std::string showExe = QUORRIN_WINDOWS_DATA_DIR "/quorrin.exe";
static const std::string steppedExe = QUORRIN_WINDOWS_DATA_DIR "/quorrin-stepped.exe";

static std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The soundtrack's samples: what follows its 44-byte header (the tool writes no other chunk).
static std::vector<std::uint8_t> trackSamples() {
    std::vector<std::uint8_t> wave = fileBytes(QUORRIN_WINDOWS_DATA_DIR "/quorrin.wav");
    wave.erase(wave.begin(), wave.begin() + std::min<std::size_t>(44, wave.size()));
    return wave;
}

static std::size_t countLines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(WindowsShow, PlaysItsEightySecondsWithItsMusicAndEndsByItself) {
    ASSERT_TRUE(prepareWinePrefix());
    const std::string folder = freshFolder("whole-show");
    VirtualScreen screen = startVirtualScreen("800x600x24");
    ASSERT_FALSE(screen.display.empty());
    const std::string sound = folder + "/music.raw";
    ProcessOptions options = wineOptions(screen, sound);
    options.timeoutSeconds = 300;
    // Polled until the program exits, so the last poll is its end (within one poll), whatever
    // it waited for before it started.
    double startedAt = -1, firstLineAt = -1, lastPollAt = -1;
    options.whileRunning = [&](int, const std::string& out) {
        lastPollAt = secondsNow();
        if (startedAt < 0) startedAt = lastPollAt;
        if (firstLineAt < 0 && !out.empty()) firstLineAt = lastPollAt;
        return false;
    };
    const ProcessResult run = runUnderWine(wineCommand(showExe), options);
    const double shownFor = lastPollAt - firstLineAt;
    stopVirtualScreen(screen);
    std::printf("first frame after %.1f s, the show for %.1f s, %zu progress lines\n",
                firstLineAt - startedAt, shownFor, countLines(run.out));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_GT(firstLineAt, 0);
    // The end comes at 80 s of the show's clock, which starts at its first frame.
    EXPECT_GE(shownFor, 79.5);
    EXPECT_LE(shownFor, 100);
    EXPECT_GT(countLines(run.out), 100u);

    // Wine mixes at the track's own format, so the file holds the track's samples as they
    // are, but for a few milliseconds filled in where its mixer ran late on a busy machine:
    // the whole track, and a block of each of its seconds found in the file in order (a
    // real track, not silence).
    const std::vector<std::uint8_t> track = trackSamples();
    const std::vector<std::uint8_t> played = fileBytes(sound);
    constexpr std::size_t second = 44100 * 4, block = 4096;
    std::size_t seconds = 0, found = 0;
    auto from = played.begin();
    for (std::size_t at = 0; at + block <= track.size(); at += second, ++seconds) {
        const auto there =
            std::search(from, played.end(),
                        std::boyer_moore_searcher(track.begin() + static_cast<long>(at),
                                                  track.begin() + static_cast<long>(at + block)));
        if (there == played.end()) continue;
        ++found;
        from = there;
    }
    std::printf("music file: %zu bytes (the track's samples: %zu), %zu of its %zu seconds found\n",
                played.size(), track.size(), found, seconds);
    EXPECT_GE(played.size(), track.size());
    EXPECT_GE(seconds, 79u);
    EXPECT_GE(found, seconds - seconds / 20);
}

// Esc, sent to the window, and Ctrl-C, which Wine hands a console program as a control
// event when its process gets SIGINT.
struct WayOut {
    const char* name;
    bool key;
};
static constexpr WayOut waysOut[] = {{"Esc", true}, {"Ctrl-C", false}};

TEST(WindowsShow, EscAndCtrlCEndItAtOnceWithTheMusicClosed) {
    ASSERT_TRUE(prepareWinePrefix());
    for (const WayOut& way : waysOut) {
        const std::string folder = freshFolder("way-out");
        VirtualScreen screen = startVirtualScreen("1280x1024x24");
        ASSERT_FALSE(screen.display.empty());
        const std::string sound = folder + "/music.raw";
        ProcessOptions options = wineOptions(screen, sound);
        std::size_t linesFirstSeen = 0;
        double askedAt = -1, lastPollAt = -1;
        int asked = 0;
        // Polled until the program exits: the last poll is its end, within one poll.
        options.whileRunning = [&](int pid, const std::string& out) {
            lastPollAt = secondsNow();
            if (out.empty()) return false;
            if (linesFirstSeen == 0) linesFirstSeen = countLines(out);
            if (countLines(out) < 120) return false; // two seconds of frames, with music
            // Wine may not have made its window the active one yet when the first key
            // comes, on a busy machine: a key that went nowhere is pressed again.
            if (asked == 3 || askedAt == -2 || (askedAt > 0 && lastPollAt - askedAt < 3))
                return false;
            const bool sent = way.key ? pressKey(screen.display, "Escape") : kill(pid, SIGINT) == 0;
            askedAt = sent ? secondsNow() : -2;
            ++asked;
            return false;
        };
        const ProcessResult run = runUnderWine(wineCommand(showExe, {"-w"}), options);
        stopVirtualScreen(screen);
        std::printf("%s: asked %d times, ended %.1f s after\n", way.name, asked,
                    lastPollAt - askedAt);
        ASSERT_GT(askedAt, 0) << way.name << " could not be sent";
        EXPECT_FALSE(run.timedOut) << way.name;
        EXPECT_EQ(run.exitCode, 0) << way.name << "\n" << run.err;
        EXPECT_EQ(run.err, "") << way.name;
        EXPECT_LT(lastPollAt - askedAt, 5) << way.name << " ends the show at once";
        // Standard output comes a line at a time: a buffer would hold hundreds of lines.
        EXPECT_GE(linesFirstSeen, 1u) << way.name;
        EXPECT_LT(linesFirstSeen, 60u) << way.name;
        // The music played and went with the process: less than the whole track was written.
        const auto played = std::filesystem::file_size(sound);
        EXPECT_GT(played, 0u) << way.name;
        EXPECT_LT(played, trackSamples().size()) << way.name;
    }
}

TEST(WindowsShow, AMissingPictureIsNamedOnStandardErrorAndTheShowGoesOn) {
    ASSERT_TRUE(prepareWinePrefix());
    // The show's files in a folder of their own, but one picture missing and a folder in
    // another's place (only a regular file is read).
    const std::string folder = freshFolder("missing-picture");
    std::filesystem::copy(QUORRIN_WINDOWS_DATA_DIR "/image", folder + "/image");
    std::filesystem::remove(folder + "/image/cube.bmp");
    std::filesystem::remove(folder + "/image/music.bmp");
    std::filesystem::create_directory(folder + "/image/music.bmp");
    VirtualScreen screen = startVirtualScreen("640x480x24");
    ASSERT_FALSE(screen.display.empty());
    ProcessOptions options = wineOptions(screen);
    options.workingDirectory = folder;
    // Big steps: the whole show in some forty frames, to its own end.
    const ProcessResult run = runUnderWine(wineCommand(steppedExe, {"2000", "-w"}), options);
    stopVirtualScreen(screen);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    // Windows' C library ends a line on standard error with CR LF, as Windows text does.
    EXPECT_EQ(run.err, "Load Bitmap failed : image/cube.bmp\r\n"
                       "Load Bitmap failed : image/music.bmp\r\n");
    EXPECT_GT(countLines(run.out), 20u) << "the show went on to its end";
}

TEST(WindowsShow, AWideScreenShowsTheFourByThreePictureBetweenBlackBars) {
    ASSERT_TRUE(prepareWinePrefix());
    // Scene 1 under its first caption, full screen on 16:9: the picture in the middle
    // 1440 columns, as the Linux build shows it, and pure black on either side.
    const std::string clock = "400:2000";
    const RgbImage onLinux = heldScreen({QUORRIN_STEPPED_EXE, clock}, "1920x1080x24", false);
    const RgbImage onWindows = heldScreen(wineCommand(steppedExe, {clock}), "1920x1080x24", true);
    ASSERT_EQ(onLinux.width, 1920);
    ASSERT_EQ(onWindows.width, 1920);
    ASSERT_EQ(onWindows.height, 1080);
    long barPixelsNotBlack = 0;
    RgbImage picture{1440, 1080, {}}, onLinuxPicture{1440, 1080, {}};
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * 1920 + x) * 3;
            const auto pixel = onWindows.pixels.begin() + static_cast<long>(at);
            if (x < 240 || x >= 1680) {
                barPixelsNotBlack += std::any_of(pixel, pixel + 3, [](auto c) { return c != 0; });
                continue;
            }
            picture.pixels.insert(picture.pixels.end(), pixel, pixel + 3);
            const auto linuxPixel = onLinux.pixels.begin() + static_cast<long>(at);
            onLinuxPicture.pixels.insert(onLinuxPicture.pixels.end(), linuxPixel, linuxPixel + 3);
        }
    EXPECT_EQ(barPixelsNotBlack, 0);
    const ImageDifference difference = compareImages(onLinuxPicture, picture, 8);
    std::printf("wide screen's picture: %.3f %% unmatched, mean shift %.2f\n",
                difference.unmatched * 100, difference.meanShift);
    EXPECT_LE(difference.unmatched, 0.001);
    EXPECT_LE(difference.meanShift, 1);
}
