// The encoder's command line: frames in, music cut at the first frame, a web-ready MP4 out.
#include "programs/capture/encoder_command.h"

#include <algorithm>
#include <gtest/gtest.h>

static std::string valueAfter(const std::vector<std::string>& args, const std::string& flag,
                              int occurrence = 0) {
    auto at = args.begin();
    for (int seen = 0;; ++seen) {
        at = std::find(at, args.end(), flag);
        if (at == args.end() || at + 1 == args.end()) return "<missing>";
        if (seen == occurrence) return *(at + 1);
        ++at;
    }
}

TEST(EncoderCommand, SecondsFromFrames) {
    EXPECT_EQ(framesToSeconds(0, 60), "0.000000");
    EXPECT_EQ(framesToSeconds(936, 60), "15.600000");
    EXPECT_EQ(framesToSeconds(1, 60), "0.016667");
    EXPECT_EQ(framesToSeconds(4799, 60), "79.983333");
    EXPECT_EQ(framesToSeconds(2, 3), "0.666667");
}

TEST(EncoderCommand, FramesPipeMusicAndOutput) {
    EncoderJob job;
    job.program = "/usr/bin/ffmpeg";
    job.width = 1280;
    job.height = 720;
    job.fps = 60;
    job.soundtrack = "/data/quorrin.wav";
    job.firstFrame = 936;
    job.frameCount = 120;
    job.preset = "fast";
    job.crf = 20;
    const std::vector<std::string> args = encoderArguments(job);
    EXPECT_EQ(args.front(), "/usr/bin/ffmpeg");
    EXPECT_EQ(args.back(), "/proc/self/fd/4");
    // Any error, the trailer's included, must fail the run.
    EXPECT_NE(std::find(args.begin(), args.end(), "-xerror"), args.end());
    // The raw frames on the pipe, then the music from the first frame's moment for as long.
    EXPECT_EQ(valueAfter(args, "-i", 0), "pipe:3");
    EXPECT_EQ(valueAfter(args, "-video_size"), "1280x720");
    EXPECT_EQ(valueAfter(args, "-pix_fmt", 0), "rgb24");
    EXPECT_EQ(valueAfter(args, "-framerate"), "60");
    EXPECT_EQ(valueAfter(args, "-i", 1), "/data/quorrin.wav");
    EXPECT_EQ(valueAfter(args, "-ss"), "15.600000");
    EXPECT_EQ(valueAfter(args, "-t"), "2.000000");
    // Input options must come before their input.
    const auto position = [&](const std::string& s) {
        return std::find(args.begin(), args.end(), s) - args.begin();
    };
    EXPECT_LT(position("-ss"), position("/data/quorrin.wav"));
    EXPECT_LT(position("rawvideo"), position("pipe:3"));
    // What players and browsers need.
    EXPECT_EQ(valueAfter(args, "-c:v"), "libx264");
    EXPECT_EQ(valueAfter(args, "-pix_fmt", 1), "yuv420p");
    EXPECT_EQ(valueAfter(args, "-c:a"), "aac");
    EXPECT_EQ(valueAfter(args, "-movflags"), "+faststart");
    EXPECT_EQ(valueAfter(args, "-preset"), "fast");
    EXPECT_EQ(valueAfter(args, "-crf"), "20");
    // The temporary name does not end in .mp4, so the container is named.
    EXPECT_EQ(valueAfter(args, "-f", 1), "mp4");
    EXPECT_NE(std::find(args.begin(), args.end(), "-nostdin"), args.end());
    // Streamed, the video cannot be sought back into: fragments, each with its own index.
    job.streamed = true;
    const std::vector<std::string> streamed = encoderArguments(job);
    EXPECT_EQ(streamed.back(), "pipe:4");
    EXPECT_EQ(valueAfter(streamed, "-movflags"), "+frag_keyframe+empty_moov+default_base_moof");
}
