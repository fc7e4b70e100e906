// A short video across a scene change, checked from the outside with ffprobe and ffmpeg:
// the streams players need, the frame count, and music that starts with the picture at
// the right point of the track; and a frame that players show in the colours drawn.
#include "capture_test_support.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

static std::map<std::string, std::string> probeStream(const std::string& file,
                                                      const std::string& stream) {
    const ProcessResult result =
        runProcess({"/usr/bin/ffprobe", "-v", "error", "-select_streams", stream, "-count_frames",
                    "-show_entries",
                    "stream=codec_type,codec_name,width,height,pix_fmt,nb_read_frames,start_time,"
                    "duration,sample_rate,r_frame_rate,color_space,color_primaries,"
                    "color_transfer,color_range",
                    "-of", "default=noprint_wrappers=1", file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::map<std::string, std::string> fields;
    for (const std::string& line : splitLines(result.out)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return fields;
}

// Mono 16-bit samples at 44.1 kHz, decoded by ffmpeg from any file it reads.
static std::vector<std::int16_t> decodeAudio(const std::vector<std::string>& input) {
    std::vector<std::string> argv{"/usr/bin/ffmpeg", "-v", "error", "-nostdin"};
    argv.insert(argv.end(), input.begin(), input.end());
    argv.insert(argv.end(), {"-vn", "-ac", "1", "-ar", "44100", "-f", "s16le", "-"});
    const ProcessResult result = runProcess(argv);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::int16_t> samples(result.out.size() / 2);
    std::memcpy(samples.data(), result.out.data(), samples.size() * 2);
    return samples;
}

// Top-level MP4 box types in file order.
static std::vector<std::string> topLevelBoxes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> boxes;
    unsigned char header[16];
    while (in.read(reinterpret_cast<char*>(header), 8)) {
        std::uint64_t size =
            (std::uint64_t{header[0]} << 24) | (header[1] << 16) | (header[2] << 8) | header[3];
        boxes.emplace_back(reinterpret_cast<char*>(header + 4), 4);
        std::uint64_t headerSize = 8;
        if (size == 1) {
            in.read(reinterpret_cast<char*>(header + 8), 8);
            size = 0;
            for (int i = 8; i < 16; ++i)
                size = size << 8 | header[i];
            headerSize = 16;
        }
        if (size < headerSize) break; // 0: to the end of the file
        in.seekg(static_cast<std::streamoff>(size - headerSize), std::ios::cur);
    }
    return boxes;
}

TEST(CaptureVideo, TwoSecondsAcrossASceneChange) {
    const std::string folder = freshFolder("video");
    const std::string target = folder + "/change.mp4";
    std::ofstream(target) << "an older file, to be replaced";
    const ProcessResult result =
        runCapture({"--mp4", target, "--from", "15600", "--to", "17600", "--size", "320x240"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"change.mp4"});

    std::map<std::string, std::string> video = probeStream(target, "v");
    EXPECT_EQ(video["codec_type"], "video");
    EXPECT_EQ(video["codec_name"], "h264");
    EXPECT_EQ(video["pix_fmt"], "yuv420p");
    EXPECT_EQ(video["width"], "320");
    EXPECT_EQ(video["height"], "240");
    EXPECT_EQ(video["r_frame_rate"], "60/1");
    EXPECT_EQ(video["nb_read_frames"], "120");
    EXPECT_DOUBLE_EQ(std::stod(video["start_time"]), 0.0);

    std::map<std::string, std::string> audio = probeStream(target, "a");
    EXPECT_EQ(audio["codec_type"], "audio");
    EXPECT_EQ(audio["codec_name"], "aac");
    EXPECT_EQ(audio["sample_rate"], "44100");
    EXPECT_DOUBLE_EQ(std::stod(audio["start_time"]), 0.0);
    EXPECT_NEAR(std::stod(audio["duration"]), 2.0, 0.03);

    // Fast start: the index comes before the media data.
    const std::vector<std::string> boxes = topLevelBoxes(target);
    const auto at = [&](const char* type) {
        return std::find(boxes.begin(), boxes.end(), type) - boxes.begin();
    };
    ASSERT_LT(at("mdat"), static_cast<long>(boxes.size()));
    EXPECT_LT(at("moov"), at("mdat"));

    // The video's music is the track from 15.6 s: line the two up, over a second from
    // 0.2 s in, at every shift within 50 ms either way. The best fit must be no shift.
    const std::vector<std::int16_t> heard = decodeAudio({"-i", target});
    const std::vector<std::int16_t> track = decodeAudio(
        {"-ss", "15.6", "-t", "2", "-i", std::string(QUORRIN_DATA_DIR) + "/quorrin.wav"});
    ASSERT_GE(heard.size(), 80000u);
    ASSERT_GE(track.size(), 80000u);
    const int start = 8820, length = 44100, reach = 2205;
    int bestShift = 0;
    double best = -2;
    for (int shift = -reach; shift <= reach; ++shift) {
        double both = 0, heardPower = 0, trackPower = 0;
        for (int i = start; i < start + length; ++i) {
            const double a = heard[static_cast<std::size_t>(i)];
            const double b = track[static_cast<std::size_t>(i + shift)];
            both += a * b;
            heardPower += a * a;
            trackPower += b * b;
        }
        const double correlation = both / std::sqrt(heardPower * trackPower + 1e-9);
        if (correlation > best) {
            best = correlation;
            bestShift = shift;
        }
    }
    EXPECT_LE(std::abs(bestShift), 44) << "music off by " << bestShift / 44.1 << " ms";
    EXPECT_GT(best, 0.9);
}

TEST(CaptureVideo, PlayersShowTheColoursAsDrawn) {
    // Scene 5 with its green captions at rest, as a one-frame video and as a PNG still of
    // the same moment (both drawn after the same earlier frames, at 1 fps).
    const std::string folder = freshFolder("colours");
    const std::string video = folder + "/credits.mp4";
    const std::vector<std::string> common{"--size", "960x720", "--fps", "1"};
    for (std::vector<std::string> arguments :
         {std::vector<std::string>{"--png", folder, "--still", "67000"},
          std::vector<std::string>{"--mp4", video, "--from", "67000", "--to", "68000"}}) {
        arguments.insert(arguments.end(), common.begin(), common.end());
        const ProcessResult result = runCapture(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
    }
    std::map<std::string, std::string> tags = probeStream(video, "v");
    EXPECT_EQ(tags["color_space"], "bt709");
    EXPECT_EQ(tags["color_primaries"], "bt709");
    EXPECT_EQ(tags["color_transfer"], "bt709");
    EXPECT_EQ(tags["color_range"], "tv");

    // ffmpeg converts back to RGB with the matrix and range the stream is tagged with, as
    // players do (untagged HD video they take for BT.709).
    const ProcessResult decoded =
        runProcess({"/usr/bin/ffmpeg", "-v", "error", "-nostdin", "-i", video, "-frames:v", "1",
                    "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
    const RgbImage drawn = loadPng(folder + "/still-67000.png");
    ASSERT_EQ(decoded.out.size(), drawn.pixels.size());

    // 4:2:0 halves the colour's resolution and the encoder loses a little more: a few levels
    // on average, more along sharp coloured edges. The wrong matrix dims the saturated green
    // of the "CODE" caption (upper left quarter) by about 30 levels.
    double frameDifference = 0, captionDifference = 0;
    std::size_t captionPixels = 0;
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * drawn.width + x) * 3;
            int difference = 0;
            for (std::size_t c = 0; c < 3; ++c)
                difference += std::abs(int{drawn.pixels[i + c]} -
                                       int{static_cast<std::uint8_t>(decoded.out[i + c])});
            frameDifference += difference;
            if (x < drawn.width / 2 && y < drawn.height / 2 && drawn.pixels[i + 1] >= 200 &&
                drawn.pixels[i] <= 100) {
                captionDifference += difference;
                ++captionPixels;
            }
        }
    ASSERT_GT(captionPixels, 4000u);
    EXPECT_LT(frameDifference / static_cast<double>(drawn.pixels.size()), 3);
    EXPECT_LT(captionDifference / static_cast<double>(captionPixels * 3), 8);
}
