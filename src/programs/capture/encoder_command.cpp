#include "programs/capture/encoder_command.h"

#include <cstdio>

std::string framesToSeconds(std::uint32_t frames, std::uint32_t fps) {
    // Whole seconds and the remainder separately, so no precision is lost on long shows.
    const std::uint64_t micro =
        (static_cast<std::uint64_t>(frames % fps) * 1000000 + fps / 2) / fps;
    char text[32];
    std::snprintf(text, sizeof text, "%u.%06llu", frames / fps,
                  static_cast<unsigned long long>(micro));
    return text;
}

// A file gets its index up front, so a browser can start playing before the whole file is
// in; a pipe cannot be sought back to write it there, so the video goes out in fragments,
// each with its own index.
static std::string containerFlags(const EncoderJob& job) {
    return job.streamed ? "+frag_keyframe+empty_moov+default_base_moof" : "+faststart";
}

// A file is reached through its descriptor's own name, so ffmpeg writes (and, for the index
// up front, reads back) exactly the temporary made for it, whatever else bears its name.
static std::string outputName(const EncoderJob& job) {
    const std::string fd = std::to_string(job.outputFd);
    return job.streamed ? "pipe:" + fd : "/proc/self/fd/" + fd;
}

std::vector<std::string> encoderArguments(const EncoderJob& job) {
    const std::string size = std::to_string(job.width) + "x" + std::to_string(job.height);
    // -xerror: an error on the way (a failed write, the trailer on a full disk, a reader
    // gone) ends ffmpeg with a failing status instead of only a message.
    return {job.program, "-hide_banner", "-nostdin", "-loglevel", "error", "-xerror", "-y",
            // The frames, exactly fps of them per second.
            "-f", "rawvideo", "-pix_fmt", "rgb24", "-video_size", size, "-framerate",
            std::to_string(job.fps), "-i", "pipe:" + std::to_string(job.framesFd),
            // The music from the first frame's moment, as long as the frames last. Seeking
            // before the input is exact for an uncompressed wave file.
            "-ss", framesToSeconds(job.firstFrame, job.fps), "-t",
            framesToSeconds(job.frameCount, job.fps), "-i", job.soundtrack, "-map", "0:v:0", "-map",
            "1:a:0", "-c:v", "libx264", "-preset", job.preset, "-crf", std::to_string(job.crf),
            "-pix_fmt", "yuv420p",
            // ffmpeg converts RGB with the BT.601 matrix unless told, while players take
            // untagged HD video for BT.709: convert with BT.709 and tag the stream so.
            "-vf", "scale=out_color_matrix=bt709:out_range=tv", "-colorspace", "bt709",
            "-color_primaries", "bt709", "-color_trc", "bt709", "-color_range", "tv", "-c:a", "aac",
            "-b:a", "192k",
            // The index up front for a file, in fragments for a stream.
            "-movflags", containerFlags(job), "-f", "mp4", outputName(job)};
}
