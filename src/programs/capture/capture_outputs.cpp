#include "programs/capture/capture_outputs.h"

#include "platform/signals.h"
#include "programs/capture/capture_steps.h"
#include "programs/capture/encoder_command.h"
#include "programs/capture/encoder_process.h"
#include "programs/capture/image.h"
#include "programs/capture/offscreen.h"
#include "programs/capture/output_files.h"
#include "programs/capture/png_file.h"
#include "programs/capture/process_stats.h"
#include "programs/capture/progress.h"
#include "programs/capture/progress_report.h"
#include "programs/capture/storyboard.h"
#include "show/bench_report.h"
#include "show/music_routines.h"
#include "show/scene_table.h"

#include <cstdio>
#include <cstring>
#include <poll.h>

// ffmpeg's descriptor for the video it writes (3 carries the frames).
static constexpr int encoderOutputFd = 4;

int reportFailure(const std::string& message) {
    std::fprintf(stderr, "quorrin-capture: %s\n", message.c_str());
    return 1;
}

void stopForQuitSignal(const std::string& what) {
    discardOpenOutput();
    std::fprintf(stderr, "quorrin-capture: interrupted; %s\n", what.c_str());
    dieOfQuitSignal();
}

static void reportWritten(const std::string& shown, std::size_t count) {
    const double seconds = progressSeconds();
    const CaptureFrame& frame = offscreenFrame();
    std::fprintf(stderr, "quorrin-capture: wrote %s: %zu picture%s of %dx%d in %s (%.1f fps)\n",
                 shown.c_str(), count, count == 1 ? "" : "s", frame.width, frame.height,
                 formatDuration(seconds).c_str(), seconds > 0 ? count / seconds : 0.0);
}

static std::string pngName(const CaptureOptions& options, const FrameStep& step) {
    char name[32];
    if (options.stillsMs.empty())
        std::snprintf(name, sizeof name, "frame-%06u.png", step.frame);
    else
        std::snprintf(name, sizeof name, "still-%05u.png", step.ms);
    return name;
}

// A PNG of a whole frame read back from GL (rows bottom to top) or of a composed picture
// (top down), into fd; the failure names the target.
static std::string pngWriter(const OutputTarget& target, int width, int height,
                             const std::uint8_t* rgb, RowOrder order, PngSpeed speed, int fd) {
    const std::string error = writePngToFd(fd, width, height, rgb, order, speed);
    return error.empty() ? error : "cannot write " + target.shown + ": " + error;
}

int writePngFrames(const CaptureOptions& options, const std::vector<FrameStep>& plan,
                   const OutputTarget& folder) {
    const CaptureFrame& frame = offscreenFrame();
    std::vector<std::uint8_t> rgb;
    std::string failure;
    const PngSpeed speed = options.stillsMs.empty() ? PngSpeed::fast : PngSpeed::small;
    const StepsOutcome outcome =
        drawSteps(plan, options.fps, false, [&](const FrameStep& step, double) {
            readOffscreen(rgb);
            OutputTarget file = fileInFolder(folder, pngName(options, step));
            failure = writeOutput(file, [&](int fd) {
                return pngWriter(file, frame.width, frame.height, rgb.data(), RowOrder::bottomUp,
                                 speed, fd);
            });
            return failure.empty();
        });
    if (outcome == StepsOutcome::interrupted)
        stopForQuitSignal("the frames written so far are complete");
    if (outcome == StepsOutcome::failed) return reportFailure(failure);
    reportWritten(folder.shown, plan.size());
    return 0;
}

// Whether the reader at the other end of a pipe has gone (writing would break it).
static bool readerLeft(int fd) {
    pollfd end{fd, POLLOUT, 0};
    return poll(&end, 1, 0) == 1 && (end.revents & POLLERR) != 0;
}

// What became of the target after a failure, asked while an unfinished file still takes
// its room on the disk.
static std::string videoLost(const OutputTarget& target) {
    if (target.kind == TargetKind::stream)
        return readerLeft(target.fd)
                   ? "the reader of " + target.shown + " closed it before the video was complete"
                   : "the video sent to " + target.shown + " is incomplete";
    return (targetDiskFull(target) ? "the disk holding " + parentFolder(target.shown) + " is full; "
                                   : std::string()) +
           "no video was written to " + target.shown;
}

// Draws the plan into the encoder, which writes the video to outputFd; empty when the
// encoder took every frame and exited cleanly.
static std::string encodeVideo(const EncoderJob& job, const std::vector<FrameStep>& plan,
                               const OutputTarget& target, int outputFd) {
    const std::string interrupted = target.kind == TargetKind::stream
                                        ? "the video sent to " + target.shown + " stops short"
                                        : "removed the unfinished video";
    EncoderProcess encoder;
    if (std::string error =
            startEncoder(encoderArguments(job), job.framesFd, encoder, outputFd, job.outputFd);
        !error.empty())
        return error;
    std::vector<std::uint8_t> rgb, upright;
    const std::size_t row = static_cast<std::size_t>(job.width) * 3;
    const StepsOutcome outcome = drawSteps(plan, job.fps, false, [&](const FrameStep&, double) {
        readOffscreen(rgb);
        upright.resize(rgb.size());
        for (int y = 0; y < job.height; ++y)
            std::memcpy(&upright[row * static_cast<std::size_t>(y)],
                        &rgb[row * static_cast<std::size_t>(job.height - 1 - y)], row);
        return writeToEncoder(encoder, upright.data(), upright.size()) == WriteResult::written;
    });
    if (outcome != StepsOutcome::done) {
        abandonEncoder(encoder);
        if (outcome == StepsOutcome::interrupted) stopForQuitSignal(interrupted);
        return "ffmpeg stopped taking frames (its messages are above); " + videoLost(target);
    }
    const int status = finishEncoder(encoder);
    if (quitSignal() != 0) {
        abandonEncoder(encoder);
        stopForQuitSignal(interrupted);
    }
    if (status != 0)
        return "ffmpeg failed (exit status " + std::to_string(status) +
               ", its messages are above); " + videoLost(target);
    return {};
}

int writeMp4(const CaptureOptions& options, const std::vector<FrameStep>& plan,
             OutputTarget& target, const std::string& ffmpegPath) {
    EncoderJob job;
    job.program = ffmpegPath;
    job.width = offscreenFrame().width;
    job.height = offscreenFrame().height;
    job.fps = options.fps;
    job.soundtrack = absolutePath(musicFile);
    job.firstFrame = plan.front().frame;
    job.frameCount = static_cast<std::uint32_t>(plan.size());
    job.preset = options.preset;
    job.crf = options.crf;
    job.outputFd = encoderOutputFd;
    job.streamed = target.kind == TargetKind::stream;
    const std::string failure =
        writeOutput(target, [&](int fd) { return encodeVideo(job, plan, target, fd); });
    if (!failure.empty()) return reportFailure(failure);
    reportWritten(target.shown, plan.size());
    return 0;
}

int writeStoryboard(const CaptureOptions& options, const std::vector<FrameStep>& plan,
                    OutputTarget& target) {
    std::vector<std::uint8_t> rgb;
    std::vector<RgbImage> tiles;
    std::vector<std::string> labels;
    const CaptureFrame& frame = offscreenFrame();
    const StepsOutcome outcome =
        drawSteps(plan, options.fps, false, [&](const FrameStep& step, double) {
            readOffscreen(rgb);
            tiles.push_back(imageFromBottomUp(frame.width, frame.height, rgb.data()));
            labels.push_back(storyboardLabel(chooseScene(step.ms), step.ms));
            return true;
        });
    if (outcome == StepsOutcome::interrupted) stopForQuitSignal("no storyboard was written");
    const RgbImage board = composeStoryboard(tiles, labels, storyboardColumns);
    const std::string failure = writeOutput(target, [&](int fd) {
        return pngWriter(target, board.width, board.height, board.pixels.data(), RowOrder::topDown,
                         PngSpeed::small, fd);
    });
    if (!failure.empty()) return reportFailure(failure);
    reportWritten(target.shown, plan.size());
    return 0;
}

int runBenchmark(const CaptureOptions& options, const std::vector<FrameStep>& plan) {
    BenchTimes times;
    const StepsOutcome outcome =
        drawSteps(plan, options.fps, true, [&](const FrameStep& step, double ms) {
            keepBenchFrame(times, step.ms, ms);
            return true;
        });
    if (outcome == StepsOutcome::interrupted) stopForQuitSignal("no figures");
    const CaptureFrame& frame = offscreenFrame();
    const BenchRun run{"quorrin-capture", frame.width,  frame.height, frame.picture, options.fps,
                       options.fromMs,    options.toMs, options.msaa, rendererName()};
    std::fprintf(stderr,
                 "%s"
                 "start-up: %.0f ms from process start to the first frame drawn\n"
                 "peak memory: %.1f MiB resident\n",
                 benchReport(run, times).c_str(), startUpMs(), peakResidentMiB());
    return 0;
}
