// The ffmpeg command line that turns raw frames on a pipe plus the soundtrack into a video
// that browsers and common players open.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct EncoderJob {
    std::string program = "ffmpeg";
    int width = 0;
    int height = 0;
    std::uint32_t fps = 60;
    int framesFd = 3;             // the read end of the frame pipe in ffmpeg's process
    std::string soundtrack;       // quorrin.wav
    std::uint32_t firstFrame = 0; // the music starts at this frame's exact time
    std::uint32_t frameCount = 0;
    std::string preset = "veryfast";
    int crf = 18;
    // The descriptor of ffmpeg's process the video goes to, as MP4 whatever the target's
    // name ends in: a file it can seek in, or, streamed, a pipe or device it cannot, which
    // gets the video in fragments (the index cannot be written back at the front).
    int outputFd = 4;
    bool streamed = false;
};

// frames / fps as seconds with six decimals ("15.600000"): exact to well under a sample.
std::string framesToSeconds(std::uint32_t frames, std::uint32_t fps);

// The arguments, program name first. Frames arrive as top-down RGB, 3 bytes a pixel.
std::vector<std::string> encoderArguments(const EncoderJob& job);
