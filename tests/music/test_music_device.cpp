// The SDL music device, observed through SDL's disk driver, which writes what it would play
// to a file at the pace of a real sound card.
#include "platform/linux/wave_file.h"
#include "platform/music.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

static std::vector<char> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The PCM bytes of the track: everything after the canonical 44-byte header's data chunk.
static std::vector<char> trackSamples(const std::string& path) {
    SDL_AudioSpec format{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &format, &data, &length) == nullptr) return {};
    std::vector<char> samples(data, data + length);
    SDL_FreeWAV(data);
    return samples;
}

// Everything from the first non-silent sample frame (16-bit stereo) on.
static std::vector<char> fromFirstSound(const std::vector<char>& pcm) {
    std::size_t i = 0;
    while (i + 4 <= pcm.size() && !(pcm[i] || pcm[i + 1] || pcm[i + 2] || pcm[i + 3]))
        i += 4;
    return {pcm.begin() + static_cast<long>(i), pcm.end()};
}

class MusicDevice : public ::testing::Test {
  protected:
    std::string output;
    void SetUp() override {
        // Tests run in parallel processes: each writes its own file.
        output = ::testing::TempDir() + "quorrin-disk-audio-" + std::to_string(getpid()) + ".raw";
        std::remove(output.c_str());
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }
};

TEST_F(MusicDevice, PlayEveryFrameNeverRestartsTheTrack) {
    sendMusicCommand("Open quorrin.wav");
    for (int frame = 0; frame < 60; ++frame) {
        sendMusicCommand("Play quorrin.wav");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // Closed while playing: a stop first would let the paused device write silence.
    sendMusicCommand("Close quorrin.wav");

    // The opened device plays silence until the first play; from the first sound on, the
    // output is the track from its first sound on, once.
    const std::vector<char> written = fromFirstSound(readFile(output));
    const std::vector<char> track = fromFirstSound(trackSamples("quorrin.wav"));
    ASSERT_GT(track.size(), 44100u * 4);
    ASSERT_GT(written.size(), 4096u);
    ASSERT_LT(written.size(), track.size());
    EXPECT_TRUE(std::equal(written.begin(), written.end(), track.begin()));
}

// A paused device still writes silence to the disk file; the audible frames are what count.
static std::vector<char> audibleFrames(const std::vector<char>& pcm) {
    std::vector<char> audible;
    for (std::size_t i = 0; i + 4 <= pcm.size(); i += 4)
        if (pcm[i] || pcm[i + 1] || pcm[i + 2] || pcm[i + 3])
            audible.insert(audible.end(), pcm.begin() + static_cast<long>(i),
                           pcm.begin() + static_cast<long>(i) + 4);
    return audible;
}

TEST_F(MusicDevice, StopPausesAndPlayResumesWhereItStood) {
    sendMusicCommand("Open quorrin.wav");
    sendMusicCommand("Play quorrin.wav");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sendMusicCommand("Stop quorrin.wav");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sendMusicCommand("PLAY quorrin.wav");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sendMusicCommand("Close quorrin.wav");
    sendMusicCommand("Play quorrin.wav"); // after close: nothing

    const std::vector<char> written = audibleFrames(readFile(output));
    const std::vector<char> track = audibleFrames(trackSamples("quorrin.wav"));
    ASSERT_GT(written.size(), 8192u);
    EXPECT_TRUE(std::equal(written.begin(), written.end(), track.begin()));
}

TEST_F(MusicDevice, SeekToStartRewinds) {
    sendMusicCommand("Open quorrin.wav");
    sendMusicCommand("Play quorrin.wav");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sendMusicCommand("Seek quorrin.wav to start");
    sendMusicCommand("Play quorrin.wav");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sendMusicCommand("Close quorrin.wav");

    const std::vector<char> written = audibleFrames(readFile(output));
    const std::vector<char> track = audibleFrames(trackSamples("quorrin.wav"));
    ASSERT_GT(written.size(), 8192u);
    std::size_t restart = 0;
    for (std::size_t i = 4; i + 4096 <= written.size(); i += 4) {
        if (std::equal(written.begin() + static_cast<long>(i),
                       written.begin() + static_cast<long>(i) + 4096, track.begin())) {
            restart = i;
            break;
        }
    }
    ASSERT_GT(restart, 0u) << "no rewind found";
    EXPECT_TRUE(
        std::equal(written.begin(), written.begin() + static_cast<long>(restart), track.begin()));
    EXPECT_TRUE(
        std::equal(written.begin() + static_cast<long>(restart), written.end(), track.begin()));
}

// Where a run of the track starting at trackOffset first appears in the output, or npos.
static std::size_t findTrackRun(const std::vector<char>& written, const std::vector<char>& track,
                                std::size_t trackOffset) {
    constexpr std::size_t run = 4096;
    for (std::size_t i = 0; i + run <= written.size(); i += 4)
        if (std::equal(written.begin() + static_cast<long>(i),
                       written.begin() + static_cast<long>(i + run),
                       track.begin() + static_cast<long>(trackOffset)))
            return i;
    return std::string::npos;
}

TEST_F(MusicDevice, PausePlaysSilenceAndPlayFromGoesToThatMomentsSample) {
    sendMusicCommand("Open quorrin.wav");
    sendMusicCommand("Play quorrin.wav");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    sendMusicCommand("Pause quorrin.wav");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    sendMusicCommand("Play quorrin.wav from 40000");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sendMusicCommand("Close quorrin.wav");

    // 44.1 kHz, 16-bit stereo: 40 s in is byte 40 * 44100 * 4.
    const std::vector<char> written = readFile(output);
    const std::vector<char> track = trackSamples("quorrin.wav");
    constexpr std::size_t moment = 40ull * 44100 * 4;
    ASSERT_GT(track.size(), moment + 44100 * 4);
    const std::size_t jump = findTrackRun(written, track, moment);
    ASSERT_NE(jump, std::string::npos) << "the track from 40 s never played";
    ASSERT_GT(written.size() - jump, 8192u);
    EXPECT_TRUE(std::equal(written.begin() + static_cast<long>(jump), written.end(),
                           track.begin() + static_cast<long>(moment)));
    // Paused, the device wrote silence just before the jump.
    EXPECT_TRUE(std::all_of(written.begin() + static_cast<long>(jump) - 4096,
                            written.begin() + static_cast<long>(jump),
                            [](char c) { return c == 0; }));
}

TEST_F(MusicDevice, MissingOrBrokenFilesLeaveTheShowSilent) {
    const std::string broken =
        ::testing::TempDir() + "not-a-wav-" + std::to_string(getpid()) + ".wav";
    {
        std::ofstream out(broken, std::ios::binary);
        out << "RIFF this is not audio";
    }
    for (const std::string& file : {std::string("missing.wav"), broken, ::testing::TempDir()}) {
        sendMusicCommand(("Open " + file).c_str());
        sendMusicCommand(("Play " + file).c_str());
        sendMusicCommand(("Close " + file).c_str());
    }
    EXPECT_TRUE(readFile(output).empty());
}

TEST(WaveFile, AClaimBeyondTheFileIsCutToWhatIsThere) {
    // A header (and a leading chunk of another kind) claiming 4 GB of samples over 100 bytes:
    // a decoder trusting it would allocate the 4 GB.
    const std::string text =
        std::string("RIFF\xf8\xff\xff\xffWAVE") + "LIST" + std::string("\x02\0\0\0ab", 6) + "fmt " +
        std::string("\x10\0\0\0\x01\0\x02\0\x44\xac\0\0\x10\xb1\x02\0\x04\0\x10\0", 20) + "data" +
        std::string("\xfc\xff\xff\xff", 4) + std::string(100, 's');
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    clampWaveData(bytes);
    const std::size_t length = bytes.size() - 100 - 4;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + static_cast<long>(length),
                                        bytes.begin() + static_cast<long>(length) + 4),
              (std::vector<std::uint8_t>{100, 0, 0, 0}));
    // A claim within the file is left alone, and so is a file with no data chunk.
    std::vector<std::uint8_t> honest = bytes;
    clampWaveData(honest);
    EXPECT_EQ(honest, bytes);
    std::vector<std::uint8_t> noData(bytes.begin(), bytes.begin() + 30);
    const std::vector<std::uint8_t> before = noData;
    clampWaveData(noData);
    EXPECT_EQ(noData, before);
}
