// The capture tool's command line, read without touching GL so it can be checked alone.
#pragma once
#include "show/picture_area.h"

#include <cstdint>
#include <string>
#include <vector>

enum class CaptureMode { none, png, mp4, storyboard, bench };
// keep: the 4:3 picture between black bars in a frame of another shape; fill: stretched
// over the whole frame.
enum class CaptureAspect { keep, fill };

inline constexpr int maxCaptureWidth = 3840;
inline constexpr int maxCaptureHeight = 2160;
inline constexpr int minCaptureSide = 16;
inline constexpr std::uint32_t maxFps = 240;
inline constexpr int maxCrf = 51;

struct CaptureOptions {
    CaptureMode mode = CaptureMode::none;
    std::string target; // the folder for --png, the file for --mp4 and --storyboard
    std::vector<std::uint32_t> stillsMs;
    std::uint32_t fromMs = 0;
    std::uint32_t toMs = 80000;
    bool rangeGiven = false;
    int width = 1280;
    int height = 720;
    bool sizeGiven = false;
    CaptureAspect aspect = CaptureAspect::keep;
    std::uint32_t fps = 60;
    int msaa = 0; // samples per pixel; 0 renders without multisampling
    std::string preset = "veryfast";
    int crf = 18;
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    CaptureOptions options;
    std::string error; // empty when the command line is good
};

// argv[0] is the program's name and is skipped. Options take their value as the next
// argument or after '='.
ParsedOptions parseCaptureOptions(int argc, const char* const* argv);

// The frame a capture makes: its size, and where in it the show's picture is drawn.
struct CaptureFrame {
    int width;
    int height;
    PictureArea picture;
};
CaptureFrame captureFrame(const CaptureOptions& options);

// The --help text.
std::string captureUsage();

// The --version line: the program's name and the project's version.
std::string captureVersion();

// The storyboard's frames when --storyboard gets no --still list: two or three per scene.
std::vector<std::uint32_t> defaultStoryboardStills();
