#include "capture/capture_outputs.h"

#include "capture/bench_report.h"
#include "capture/capture_steps.h"
#include "capture/encoder_command.h"
#include "capture/encoder_process.h"
#include "capture/image.h"
#include "capture/interrupt.h"
#include "capture/offscreen.h"
#include "capture/output_files.h"
#include "capture/png_file.h"
#include "capture/process_stats.h"
#include "capture/progress.h"
#include "capture/progress_report.h"
#include "capture/storyboard.h"
#include "shell/music_routines.h"
#include "shell/scene_table.h"

#include <cstdio>
#include <cstring>

int reportFailure(const std::string& message) {
    std::fprintf(stderr, "quorrin-capture: %s\n", message.c_str());
    return 1;
}

[[noreturn]] static void stopForInterrupt(const std::string& what) {
    discardPendingFile();
    std::fprintf(stderr, "quorrin-capture: interrupted; %s\n", what.c_str());
    dieOfInterrupt();
}

static void reportWritten(const std::string& what, const std::vector<FrameStep>& plan,
                          const CaptureOptions& options) {
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
    job.output = temporaryPathFor(options.target);

    EncoderProcess encoder;
    setPendingFile(job.output, options.target);
    if (std::string error = startEncoder(encoderArguments(job), job.framesFd, encoder);
        !error.empty()) {
        discardPendingFile();
        return reportFailure(error);
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
    if (outcome != StepsOutcome::done) {
        abandonEncoder(encoder);
        if (outcome == StepsOutcome::interrupted) stopForInterrupt("removed the unfinished video");
        discardPendingFile();
        return reportFailure("ffmpeg stopped taking frames (its messages are above); no "
                             "video was written");
    }
    const int status = finishEncoder(encoder);
    if (interruptSignal() != 0) stopForInterrupt("removed the unfinished video");
    if (status != 0) {
        discardPendingFile();
        return reportFailure("ffmpeg failed (exit status " + std::to_string(status) +
                             ", its messages are above); no video was written");
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
    const std::string temporary = temporaryPathFor(options.target);
    setPendingFile(temporary, options.target);
    if (std::string error = writePng(temporary, board.width, board.height, board.pixels.data(),
                                     RowOrder::topDown, PngSpeed::small);
        !error.empty()) {
        discardPendingFile();
        return reportFailure(error);
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
