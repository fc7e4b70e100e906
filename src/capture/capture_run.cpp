#include "capture/capture_run.h"

#include "capture/capture_options.h"
#include "capture/capture_outputs.h"
#include "capture/data_folder.h"
#include "capture/encoder_process.h"
#include "capture/frame_times.h"
#include "capture/interrupt.h"
#include "capture/offscreen.h"
#include "capture/output_files.h"
#include "shell/callbacks.h"
#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>

// Everything that can be found wrong before GL starts: the output's place and the
// encoder. Targets become absolute, since the show's folder becomes the current one.
static std::string prepareOutput(CaptureOptions& options, std::string& ffmpegPath) {
    if (options.mode == CaptureMode::bench) return {};
    options.target = absolutePath(options.target);
    if (options.mode == CaptureMode::png) {
        if (std::string error = makeFolders(options.target); !error.empty()) return error;
        return checkFolderWritable(options.target);
    }
    if (options.mode == CaptureMode::mp4) {
        ffmpegPath = findOnPath("ffmpeg");
        if (ffmpegPath.empty())
            return "ffmpeg is not installed (or not on PATH); it comes in the Debian package "
                   "\"ffmpeg\": sudo apt-get install ffmpeg";
    }
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
    installInterruptHandlers();

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
