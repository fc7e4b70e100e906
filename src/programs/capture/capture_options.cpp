#include "programs/capture/capture_options.h"

#include "show/scene_table.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

static constexpr const char* x264Presets[] = {
    "ultrafast", "superfast", "veryfast", "faster", "fast", "medium", "slow", "slower", "veryslow"};

static constexpr std::uint32_t showLengthMs = static_cast<std::uint32_t>(showEndMs);

// Whole decimal digits only: no sign, no spaces, no trailing text.
static bool readNumber(std::string_view text, std::uint64_t& value) {
    if (text.empty() || text.size() > 12) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

static bool readSize(std::string_view text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    std::uint64_t w = 0, h = 0;
    if (x == std::string_view::npos || !readNumber(text.substr(0, x), w) ||
        !readNumber(text.substr(x + 1), h) || w > 100000 || h > 100000)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

static std::string checkShowTime(const char* option, std::uint64_t ms, bool endAllowed) {
    if (ms < showLengthMs || (endAllowed && ms == showLengthMs)) return {};
    return std::string(option) + " " + std::to_string(ms) + " is outside the show (0 to " +
           std::to_string(showLengthMs) + " ms" + (endAllowed ? ")" : ", end excluded)");
}

static std::string readStills(std::string_view text, std::vector<std::uint32_t>& stills) {
    while (true) {
        const std::size_t comma = text.find(',');
        std::uint64_t ms = 0;
        if (!readNumber(text.substr(0, comma), ms))
            return "--still wants milliseconds separated by commas, such as 0,20000,48200";
        if (std::string error = checkShowTime("--still", ms, false); !error.empty()) return error;
        stills.push_back(static_cast<std::uint32_t>(ms));
        if (comma == std::string_view::npos) return {};
        text.remove_prefix(comma + 1);
    }
}

static std::string setMode(CaptureOptions& options, CaptureMode mode, std::string_view target,
                           const char* option) {
    if (options.mode != CaptureMode::none)
        return std::string("choose one of --png, --mp4, --storyboard and --bench (") + option +
               " came after another)";
    if (mode != CaptureMode::bench && target.empty()) return std::string(option) + " needs a path";
    options.mode = mode;
    options.target = target;
    return {};
}

// One option with its value (null for flags); empty result when it was taken.
static std::string applyOption(CaptureOptions& options, std::string_view name, const char* value) {
    const std::string_view text = value ? value : "";
    std::uint64_t number = 0;
    if (name == "--png") return setMode(options, CaptureMode::png, text, "--png");
    if (name == "--mp4") return setMode(options, CaptureMode::mp4, text, "--mp4");
    if (name == "--storyboard")
        return setMode(options, CaptureMode::storyboard, text, "--storyboard");
    if (name == "--still") return readStills(text, options.stillsMs);
    if (name == "--from" || name == "--to") {
        const bool from = name == "--from";
        if (!readNumber(text, number))
            return std::string(name) + " wants whole milliseconds, such as 16600";
        if (std::string error = checkShowTime(from ? "--from" : "--to", number, !from);
            !error.empty())
            return error;
        (from ? options.fromMs : options.toMs) = static_cast<std::uint32_t>(number);
        options.rangeGiven = true;
        return {};
    }
    if (name == "--size") {
        if (!readSize(text, options.width, options.height))
            return "--size wants WIDTHxHEIGHT in pixels, such as 1280x720";
        options.sizeGiven = true;
        return {};
    }
    if (name == "--aspect") {
        if (text != "keep" && text != "fill")
            return "--aspect wants keep (the 4:3 picture between black bars) or fill (stretched)";
        options.aspect = text == "keep" ? CaptureAspect::keep : CaptureAspect::fill;
        return {};
    }
    if (name == "--fps") {
        if (!readNumber(text, number) || number < 1 || number > maxFps)
            return "--fps wants a whole number of frames per second from 1 to " +
                   std::to_string(maxFps);
        options.fps = static_cast<std::uint32_t>(number);
        return {};
    }
    if (name == "--msaa") {
        // One sample a pixel is no multisampling, as 0 is.
        if (!readNumber(text, number) || number > 16 || (number & (number - 1)) != 0)
            return "--msaa wants samples per pixel, 2, 4, 8 or 16 (0 or 1: off)";
        options.msaa = number > 1 ? static_cast<int>(number) : 0;
        return {};
    }
    if (name == "--preset") {
        const auto known = std::find(std::begin(x264Presets), std::end(x264Presets), text);
        if (known == std::end(x264Presets))
            return "--preset wants one of ultrafast superfast veryfast faster fast medium "
                   "slow slower veryslow";
        options.preset = text;
        return {};
    }
    if (name == "--crf") {
        if (!readNumber(text, number) || number > maxCrf)
            return "--crf wants a quality from 0 (lossless) to 51 (worst)";
        options.crf = static_cast<int>(number);
        return {};
    }
    return "unknown option " + std::string(name) + " (see --help)";
}

static constexpr std::string_view valueOptions[] = {"--png",  "--mp4",  "--storyboard", "--still",
                                                    "--from", "--to",   "--size",       "--aspect",
                                                    "--fps",  "--msaa", "--preset",     "--crf"};

static bool takesValue(std::string_view name) {
    return std::find(std::begin(valueOptions), std::end(valueOptions), name) !=
           std::end(valueOptions);
}

// Combinations that no single option can judge.
static std::string checkTogether(const CaptureOptions& options) {
    if (options.help || options.version) return {};
    if (options.mode == CaptureMode::none)
        return "nothing to do: give --png DIR, --mp4 FILE, --storyboard FILE or --bench "
               "(see --help)";
    const bool stills = !options.stillsMs.empty();
    if (stills && options.mode != CaptureMode::png && options.mode != CaptureMode::storyboard)
        return "--still goes with --png or --storyboard";
    if (stills && options.rangeGiven) return "--still and --from/--to cannot be combined";
    if (options.mode == CaptureMode::storyboard && options.rangeGiven)
        return "--storyboard takes its times from --still, not --from/--to";
    if (options.fromMs >= options.toMs)
        return "--from " + std::to_string(options.fromMs) + " must come before --to " +
               std::to_string(options.toMs);
    if (options.width > maxCaptureWidth || options.height > maxCaptureHeight)
        return "--size " + std::to_string(options.width) + "x" + std::to_string(options.height) +
               " is too large: at most " + std::to_string(maxCaptureWidth) + "x" +
               std::to_string(maxCaptureHeight);
    if (options.width < minCaptureSide || options.height < minCaptureSide)
        return "--size " + std::to_string(options.width) + "x" + std::to_string(options.height) +
               " is too small: at least " + std::to_string(minCaptureSide) + "x" +
               std::to_string(minCaptureSide);
    if (options.mode == CaptureMode::mp4 && (options.width % 2 != 0 || options.height % 2 != 0))
        return "--mp4 needs an even width and height (H.264 in yuv420p halves the colour)";
    return {};
}

ParsedOptions parseCaptureOptions(int argc, const char* const* argv) {
    ParsedOptions parsed;
    CaptureOptions& options = parsed.options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument.substr(0, 2) != "--") {
            parsed.error = "unexpected argument " + std::string(argument) + " (see --help)";
            return parsed;
        }
        const std::size_t equals = argument.find('=');
        const std::string name(argument.substr(0, equals));
        if (name == "--help" || name == "--version" || name == "--bench") {
            if (equals != std::string_view::npos) {
                parsed.error = name + " takes no value (see --help)";
                return parsed;
            }
            if (name == "--help") options.help = true;
            if (name == "--version") options.version = true;
            if (name == "--bench")
                parsed.error = setMode(options, CaptureMode::bench, {}, "--bench");
            if (!parsed.error.empty()) return parsed;
            continue;
        }
        const char* value = nullptr;
        if (equals != std::string_view::npos) {
            value = argv[i] + equals + 1;
        } else if (takesValue(name)) {
            if (i + 1 >= argc) {
                parsed.error = name + " needs a value (see --help)";
                return parsed;
            }
            value = argv[++i];
        }
        parsed.error = applyOption(options, name, value);
        if (!parsed.error.empty()) return parsed;
    }
    if (options.mode == CaptureMode::storyboard && !options.sizeGiven) {
        options.width = 320;
        options.height = 240;
    }
    parsed.error = checkTogether(options);
    return parsed;
}

CaptureFrame captureFrame(const CaptureOptions& options) {
    const PictureArea picture = options.aspect == CaptureAspect::fill
                                    ? PictureArea{0, 0, options.width, options.height}
                                    : pictureAreaFor(options.width, options.height);
    return {options.width, options.height, picture};
}

std::vector<std::uint32_t> defaultStoryboardStills() {
    return {1000, 9000, 14000, 20000, 26000, 31000, 38000, 46000, 54000, 61000, 68000, 76000};
}

std::string captureUsage() {
    return R"(usage: quorrin-capture --png DIR | --mp4 FILE | --storyboard FILE | --bench [options]

Renders the show frame by frame through its own drawing code, off screen, at any size,
with the music silent, so every frame is the same whatever the machine's speed.

Output (choose one):
  --png DIR            every frame of the range as DIR/frame-NNNNNN.png (N: the frame's
                       number in the whole show), or with --still one picture per time
                       as DIR/still-MMMMM.png (M: milliseconds)
  --mp4 FILE           H.264 (yuv420p) video with the soundtrack as AAC, fast start; needs
                       the ffmpeg program (Debian package "ffmpeg")
  --storyboard FILE    one PNG of twelve labelled frames across the show (or of the
                       --still times), tiles of --size (default 320x240)
                       FILE may be - (standard output), a named pipe or a device: see
                       "Where it writes" below
  --bench              draw the range without reading it back and print per scene the
                       frames, median and 95th-percentile ms per frame and frames per
                       second, then the start-up time and the peak memory

What and how:
  --from MS            first moment of the range (default 0)
  --to MS              end of the range, not included (default 80000, the show's end)
  --still MS[,MS...]   single frames at these milliseconds (0 to 79999)
  --size WxH           frame size, 16x16 to 3840x2160 (default 1280x720); the screen's
                       size does not matter
  --aspect keep|fill   keep (default): the show's 4:3 picture, as large as fits, centred
                       between black bars when --size is not 4:3 (1280x720 holds a
                       960x720 picture; --size 1440x1080 gives full HD height without
                       bars); fill: the picture stretched over the whole frame
  --fps N              frames per second, 1 to 240 (default 60)
  --msaa N             multisampled edges with N samples per pixel (2, 4, 8 or 16); lines
                       keep their width in pixels (0 or 1: off, the default)
  --preset NAME        x264 speed/size trade-off, ultrafast ... veryslow (default veryfast)
  --crf N              x264 quality, 0 (lossless) to 51 (default 18)
  --version            the version, then nothing else
  -h, --help           this text

Frame times: the show's clock counts whole milliseconds, so frame k is drawn at
k * 1000 / FPS ms rounded to the nearest whole millisecond, halves up (at 60 fps: 0, 17,
33, 50, 67, 83, 100, ...). A video still plays at exactly FPS; the music is cut from the
exact time of the first frame, k / FPS seconds, so sound and picture stay in step.

A range or still that starts mid-show first carries the show's state through the earlier
frames (same frame times, not drawn), so the state there is what a run from the start would
hold and the pictures are the same. Stills off the FPS grid are drawn at exactly their time.

Where it writes: files are written under a new temporary name beside the target and
renamed when complete; an existing file is replaced only by a complete one, which keeps its
permissions, and one you may not write is refused. The show's own files (the soundtrack,
the pictures, their folders) are never targets. A symbolic link is followed: the file it
points to is replaced and the link stays. A target that is not a
file (- for standard output, a named pipe, a character device such as /dev/null) is
written to directly, nothing renamed over it; a video goes there as fragmented MP4,
which needs no seeking back, and --png, one file per frame, is refused there; a reader
that leaves before the end is a failure. Ctrl-C stops and removes the unfinished file. Progress and messages go to standard error: a bar
on a terminal, otherwise one line per 10 %. Standard output carries only the show's own
progress lines for the frames drawn; when the video or storyboard itself goes to standard
output, those lines go to standard error instead.

Runs on a desktop or headless under a virtual X server:
  xvfb-run -a quorrin-capture --mp4 quorrin.mp4
It reads image/ and quorrin.wav from the current folder, or else from its own folder, or
else from the folder it was installed with.
)";
}

std::string captureVersion() {
    return "quorrin-capture " QUORRIN_VERSION "\n";
}
