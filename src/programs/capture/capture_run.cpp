#include "programs/capture/capture_run.h"

#include "platform/display.h"
#include "platform/signals.h"
#include "programs/capture/capture_options.h"
#include "programs/capture/capture_outputs.h"
#include "programs/capture/data_folder.h"
#include "programs/capture/encoder_process.h"
#include "programs/capture/frame_times.h"
#include "programs/capture/offscreen.h"
#include "programs/capture/output_files.h"
#include "show/init_demo.h"
#include "viewer/projection.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Where the output goes, found before the show's folder becomes the current one: a
// relative path means the folder the tool was started from.
static std::string findOutput(const CaptureOptions& options, OutputTarget& target,
                              std::string& ffmpegPath) {
    if (options.mode == CaptureMode::bench) return {};
    if (options.mode == CaptureMode::png) {
        const std::string error = resolveOutputFolder(options.target, target);
        return error.empty() ? checkFolderWritable(target) : error;
    }
    if (std::string error = resolveOutputTarget(options.target, target); !error.empty())
        return error;
    if (target.kind == TargetKind::folder)
        return target.shown + " is a folder; " +
               (options.mode == CaptureMode::mp4 ? "--mp4" : "--storyboard") + " wants a file name";
    if (options.mode == CaptureMode::mp4) {
        ffmpegPath = findOnPath("ffmpeg");
        if (ffmpegPath.empty())
            return "ffmpeg is not installed (or not on PATH); it comes in the Debian package "
                   "\"ffmpeg\": sudo apt-get install ffmpeg";
    }
    return {};
}

// Opens the one file or stream a video or storyboard goes to, before anything is drawn, so
// a target that cannot be written fails at once (a named pipe waits here for its reader).
// When it is standard output, the show's own progress lines go to standard error instead,
// so they never run into the video.
static std::string openSingleOutput(const CaptureOptions& options, OutputTarget& target) {
    if (options.mode != CaptureMode::mp4 && options.mode != CaptureMode::storyboard) return {};
    if (std::string error = openOutput(target); !error.empty()) return error;
    if (target.kind == TargetKind::stream && sameAsStandardOutput(target.fd)) {
        std::fflush(stdout);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        // A line at a time, so they keep their place among the tool's own messages.
        std::setvbuf(stdout, nullptr, _IOLBF, 0);
    }
    return {};
}

static std::vector<FrameStep> planFor(const CaptureOptions& options) {
    if (options.mode == CaptureMode::storyboard)
        return planStills(options.stillsMs.empty() ? defaultStoryboardStills() : options.stillsMs,
                          options.fps);
    if (!options.stillsMs.empty()) return planStills(options.stillsMs, options.fps);
    return planRange(options.fromMs, options.toMs, options.fps);
}

int runCapture(int argc, char** argv) {
    ParsedOptions parsed = parseCaptureOptions(argc, argv);
    if (parsed.options.help) {
        std::fputs(captureUsage().c_str(), stdout);
        return 0;
    }
    if (parsed.options.version) {
        std::fputs(captureVersion().c_str(), stdout);
        return 0;
    }
    if (!parsed.error.empty()) {
        reportFailure(parsed.error);
        return 2;
    }
    CaptureOptions& options = parsed.options;
    const std::vector<FrameStep> plan = planFor(options);
    if (plan.empty())
        return reportFailure("no frame at " + std::to_string(options.fps) +
                             " fps falls between --from " + std::to_string(options.fromMs) +
                             " and --to " + std::to_string(options.toMs));

    // Ctrl-C from here on removes whatever was begun.
    installSignals();
    std::string ffmpegPath;
    OutputTarget target;
    std::string error = findOutput(options, target, ffmpegPath);
    if (error.empty()) error = enterDataFolder();
    if (error.empty()) error = refuseShowInput(target);
    if (error.empty() && !displayReachable(argc, argv))
        error = "no X display to get GL from; run it under a virtual X server: "
                "xvfb-run -a quorrin-capture ...";
    if (error.empty()) error = openSingleOutput(options, target);
    if (quitSignal() != 0) stopForQuitSignal("nothing was written");
    if (!error.empty()) return reportFailure(error);

    const CaptureFrame frame = captureFrame(options);
    if (error = openOffscreen(frame, options.msaa); !error.empty()) {
        finishOutput(target, error);
        return reportFailure(error);
    }
    initDemo();
    // The show sets up its projection for the picture's size, not the window's.
    reshape(frame.picture.width, frame.picture.height);

    switch (options.mode) {
    case CaptureMode::png:
        return writePngFrames(options, plan, target);
    case CaptureMode::mp4:
        return writeMp4(options, plan, target, ffmpegPath);
    case CaptureMode::storyboard:
        return writeStoryboard(options, plan, target);
    case CaptureMode::bench:
        return runBenchmark(options, plan);
    case CaptureMode::none:
        break;
    }
    return 1;
}
