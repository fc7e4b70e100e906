#include "capture/capture_outputs.h"

#include "capture/bench_report.h"
#include "capture/capture_steps.h"
#include "capture/encoder_command.h"
#include "capture/encoder_process.h"
#include "capture/image.h"
#include "capture/offscreen.h"
#include "capture/output_files.h"
#include "capture/png_file.h"
#include "capture/process_stats.h"
#include "capture/progress.h"
#include "capture/progress_report.h"
#include "capture/storyboard.h"
#include "platform/quit_signals.h"
#include "shell/music_routines.h"
#include "shell/scene_table.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

// ffmpeg's descriptor for a video that is streamed (3 carries the frames).
static constexpr int encoderOutputFd = 4;

int reportFailure(const std::string& message) {
    std::fprintf(stderr, "quorrin-capture: %s\n", message.c_str());
    return 1;
}

[[noreturn]] static void stopForInterrupt(const std::string& what) {
    discardPendingFile();
    std::fprintf(stderr, "quorrin-capture: interrupted; %s\n", what.c_str());
    dieOfQuitSignal();
}

// The target as messages name it.
static std::string shownTarget(const std::string& target) {
    return target == "-" ? "standard output" : target;
}

static void reportWritten(const std::string& target, const std::vector<FrameStep>& plan,
                          const CaptureOptions& options) {
    const std::string what = shownTarget(target);
    const double seconds = progressSeconds();
    const std::uint32_t kept = keptCount(plan);
    std::fprintf(stderr, "quorrin-capture: wrote %s: %u picture%s of %dx%d in %s (%.1f fps)\n",
                 what.c_str(), kept, kept == 1 ? "" : "s", options.width, options.height,
                 formatDuration(seconds).c_str(), seconds > 0 ? kept / seconds : 0.0);
}

static std::string pngName(const CaptureOptions& options, const FrameStep& step) {
    char name[32];
    if (options.stillsMs.empty())
        std::snprintf(name, sizeof name, "frame-%06u.png", step.frame);
    else
        std::snprintf(name, sizeof name, "still-%05u.png", step.ms);
    return name;
}

int writePngFrames(const CaptureOptions& options, const std::vector<FrameStep>& plan) {
    std::vector<std::uint8_t> rgb;
    std::string failure;
    const PngSpeed speed = options.stillsMs.empty() ? PngSpeed::fast : PngSpeed::small;
    const StepsOutcome outcome = drawSteps(plan, false, [&](const FrameStep& step, double) {
        readOffscreen(rgb);
        const std::string target = options.target + "/" + pngName(options, step);
        setPendingFile(temporaryPathFor(target), target);
        failure = writePng(temporaryPathFor(target), options.width, options.height, rgb.data(),
                           RowOrder::bottomUp, speed);
        if (!failure.empty()) {
            discardPendingFile();
            failure = "cannot write " + target + ": " + failure;
            return false;
        }
        failure = commitPendingFile();
        return failure.empty();
    });
    if (outcome == StepsOutcome::interrupted)
        stopForInterrupt("the frames written so far are complete");
    if (outcome == StepsOutcome::failed) return reportFailure(failure);
    reportWritten(options.target, plan, options);
    return 0;
}

int writeMp4(const CaptureOptions& options, const std::vector<FrameStep>& plan,
             const std::string& ffmpegPath) {
    EncoderJob job;
    job.program = ffmpegPath;
    job.width = options.width;
    job.height = options.height;
    job.fps = options.fps;
    job.soundtrack = absolutePath(musicFile);
    for (const FrameStep& step : plan)
        if (step.kept) {
            job.firstFrame = step.frame;
            break;
        }
    job.frameCount = keptCount(plan);
    job.preset = options.preset;
    job.crf = options.crf;
    // A stream target gets the video as it is made; a file is made under a temporary name.
    const int stream = streamFd();
    if (stream >= 0)
        job.outputFd = encoderOutputFd;
    else
        job.output = temporaryPathFor(options.target);
    // Asked after a failure, while the unfinished file still takes its room on the disk.
    const auto lost = [&]() -> std::string {
        if (stream >= 0)
            return "the video sent to " + shownTarget(options.target) + " is incomplete";
        const std::string folder = parentFolder(options.target);
        return (diskFull(folder) ? "the disk holding " + folder + " is full; " : std::string()) +
               "no video was written";
    };

    EncoderProcess encoder;
    if (stream < 0) setPendingFile(job.output, options.target);
    const std::string started =
        startEncoder(encoderArguments(job), job.framesFd, encoder, stream, job.outputFd);
    if (stream >= 0) {
        // The encoder holds its own copy; with ours closed the reader sees the end of the
        // video as soon as the encoder is done.
        close(stream);
        setStreamFd(-1);
    }
    if (!started.empty()) {
        discardPendingFile();
        return reportFailure(started);
    }
    std::vector<std::uint8_t> rgb;
    std::vector<std::uint8_t> upright;
    const std::size_t row = static_cast<std::size_t>(options.width) * 3;
    const StepsOutcome outcome = drawSteps(plan, false, [&](const FrameStep&, double) {
        readOffscreen(rgb);
        upright.resize(rgb.size());
        for (int y = 0; y < options.height; ++y)
            std::memcpy(&upright[row * static_cast<std::size_t>(y)],
                        &rgb[row * static_cast<std::size_t>(options.height - 1 - y)], row);
        return writeToEncoder(encoder, upright.data(), upright.size()) == WriteResult::written;
    });
    const std::string interrupted =
        stream >= 0 ? "the video sent to " + shownTarget(options.target) + " stops short"
                    : "removed the unfinished video";
    if (outcome != StepsOutcome::done) {
        abandonEncoder(encoder);
        if (outcome == StepsOutcome::interrupted) stopForInterrupt(interrupted);
        const std::string failure =
            "ffmpeg stopped taking frames (its messages are above); " + lost();
        discardPendingFile();
        return reportFailure(failure);
    }
    const int status = finishEncoder(encoder);
    if (quitSignal() != 0) stopForInterrupt(interrupted);
    if (status != 0) {
        const std::string failure = "ffmpeg failed (exit status " + std::to_string(status) +
                                    ", its messages are above); " + lost();
        discardPendingFile();
        return reportFailure(failure);
    }
    if (std::string error = commitPendingFile(); !error.empty()) return reportFailure(error);
    reportWritten(options.target, plan, options);
    return 0;
}

int writeStoryboard(const CaptureOptions& options, const std::vector<FrameStep>& plan) {
    std::vector<std::uint8_t> rgb;
    std::vector<RgbImage> tiles;
    std::vector<std::string> labels;
    const StepsOutcome outcome = drawSteps(plan, false, [&](const FrameStep& step, double) {
        readOffscreen(rgb);
        tiles.push_back(imageFromBottomUp(options.width, options.height, rgb.data()));
        labels.push_back(storyboardLabel(chooseScene(step.ms), step.ms));
        return true;
    });
    if (outcome == StepsOutcome::interrupted) stopForInterrupt("no storyboard was written");
    const RgbImage board = composeStoryboard(tiles, labels, storyboardColumns);
    if (const int stream = streamFd(); stream >= 0) {
        const std::string error =
            writePngToFd(stream, board.width, board.height, board.pixels.data(), RowOrder::topDown,
                         PngSpeed::small);
        close(stream);
        setStreamFd(-1);
        if (!error.empty())
            return reportFailure("cannot write to " + shownTarget(options.target) + ": " + error);
        reportWritten(options.target, plan, options);
        return 0;
    }
    const std::string temporary = temporaryPathFor(options.target);
    setPendingFile(temporary, options.target);
    if (std::string error = writePng(temporary, board.width, board.height, board.pixels.data(),
                                     RowOrder::topDown, PngSpeed::small);
        !error.empty()) {
        discardPendingFile();
        return reportFailure("cannot write " + options.target + ": " + error);
    }
    if (std::string error = commitPendingFile(); !error.empty()) return reportFailure(error);
    reportWritten(options.target, plan, options);
    return 0;
}

int runBenchmark(const CaptureOptions& options, const std::vector<FrameStep>& plan) {
    std::vector<std::vector<double>> frameMs(sceneCount);
    const StepsOutcome outcome = drawSteps(plan, true, [&](const FrameStep& step, double ms) {
        frameMs[static_cast<std::size_t>(chooseScene(step.ms) - 1)].push_back(ms);
        return true;
    });
    if (outcome == StepsOutcome::interrupted) stopForInterrupt("no figures");
    // The frames drawn are the picture's size; the bars cost nothing to draw.
    const PictureArea picture = capturePicture(options);
    const std::string pictureNote =
        picture.width == options.width && picture.height == options.height
            ? ""
            : " (the 4:3 picture " + std::to_string(picture.width) + "x" +
                  std::to_string(picture.height) + " drawn)";
    std::fprintf(stderr,
                 "quorrin-capture --bench: %dx%d%s, %u fps, %u to %u ms, %s, %s\n"
                 "(each frame drawn and finished with glFinish, nothing read back)\n%s"
                 "start-up: %.0f ms from process start to the first frame drawn\n"
                 "peak memory: %.1f MiB resident\n",
                 options.width, options.height, pictureNote.c_str(), options.fps, options.fromMs,
                 options.toMs,
                 options.msaa > 1 ? (std::to_string(options.msaa) + "x MSAA").c_str() : "no MSAA",
                 rendererName().c_str(), formatBenchTable(frameMs).c_str(), startUpMs(),
                 peakResidentMiB());
    return 0;
}
