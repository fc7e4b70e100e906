#include "capture/capture_run.h"

#include "capture/capture_options.h"
#include "capture/capture_outputs.h"
#include "capture/data_folder.h"
#include "capture/encoder_process.h"
#include "capture/frame_times.h"
#include "capture/offscreen.h"
#include "capture/output_files.h"
#include "platform/quit_signals.h"
#include "shell/projection.h"
#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// A stream target is opened before GL starts (a named pipe waits here for its reader).
// When it is standard output, the show's own progress lines go to standard error instead,
// so they never run into the video.
static std::string openStream(const OutputTarget& target) {
    int fd = -1;
    if (std::string error = openStreamTarget(target, fd); !error.empty()) return error;
    if (sameAsStandardOutput(fd)) {
        std::fflush(stdout);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        // A line at a time, so they keep their place among the tool's own messages.
        std::setvbuf(stdout, nullptr, _IOLBF, 0);
    }
    setStreamFd(fd);
    return {};
}

// Everything that can be found wrong before GL starts: the output's place and the
// encoder. Targets become absolute, since the show's folder becomes the current one, and
// a link is followed to where the file really goes.
static std::string prepareOutput(CaptureOptions& options, std::string& ffmpegPath) {
    if (options.mode == CaptureMode::bench) return {};
    if (options.target != "-") options.target = absolutePath(options.target);
    OutputTarget target;
    if (std::string error = resolveOutputTarget(options.target, target); !error.empty())
        return error;
    if (options.mode == CaptureMode::png) {
        if (target.kind == TargetKind::stream)
            return "--png writes one file per frame and needs a folder, but " +
                   (options.target == "-" ? std::string("-") : options.target) + " is " +
                   target.what + " (--mp4 and --storyboard can write there)";
        if (std::string error = makeFolders(options.target); !error.empty()) return error;
        return checkFolderWritable(options.target);
    }
    if (target.kind == TargetKind::folder)
        return options.target + " is a folder; " +
               (options.mode == CaptureMode::mp4 ? "--mp4" : "--storyboard") + " wants a file name";
    if (options.mode == CaptureMode::mp4) {
        ffmpegPath = findOnPath("ffmpeg");
        if (ffmpegPath.empty())
            return "ffmpeg is not installed (or not on PATH); it comes in the Debian package "
                   "\"ffmpeg\": sudo apt-get install ffmpeg";
    }
    if (target.kind == TargetKind::stream) return openStream(target);
    options.target = target.path;
    return checkFolderWritable(parentFolder(options.target));
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
    if (keptCount(plan) == 0)
        return reportFailure("no frame at " + std::to_string(options.fps) +
                             " fps falls between --from " + std::to_string(options.fromMs) +
                             " and --to " + std::to_string(options.toMs));

    std::string ffmpegPath;
    if (std::string error = prepareOutput(options, ffmpegPath); !error.empty())
        return reportFailure(error);
    if (std::string error = enterDataFolder(); !error.empty()) return reportFailure(error);
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return reportFailure("no X display to get GL from; run it under a virtual X server: "
                             "xvfb-run -a quorrin-capture ...");

    const PictureArea picture = capturePicture(options);
    if (std::string error = openOffscreen(options.width, options.height, picture, options.msaa);
        !error.empty())
        return reportFailure(error);
    initDemo();
    // The show sets up its projection for the picture's size, not the window's.
    reshape(picture.width, picture.height);
    installQuitSignals();

    switch (options.mode) {
    case CaptureMode::png:
        return writePngFrames(options, plan);
    case CaptureMode::mp4:
        return writeMp4(options, plan, ffmpegPath);
    case CaptureMode::storyboard:
        return writeStoryboard(options, plan);
    case CaptureMode::bench:
        return runBenchmark(options, plan);
    case CaptureMode::none:
        break;
    }
    return 1;
}
