// What the capture makes of the frames it draws: PNG files, a video, a storyboard, or
// benchmark figures. Each returns the tool's exit status and reports on standard error.
#pragma once
#include "programs/capture/capture_options.h"
#include "programs/capture/frame_times.h"
#include "programs/capture/output_target.h"

#include <string>
#include <vector>

// Writes "quorrin-capture: message" on standard error; returns 1.
int reportFailure(const std::string& message);

// Removes the file being written, says so with what, and ends the process the way the quit
// signal that arrived would have.
[[noreturn]] void stopForQuitSignal(const std::string& what);

// The PNG frames or stills into the folder target.
int writePngFrames(const CaptureOptions& options, const std::vector<FrameStep>& plan,
                   const OutputTarget& folder);
// The video, through the encoder at ffmpegPath, into the target (opened).
int writeMp4(const CaptureOptions& options, const std::vector<FrameStep>& plan,
             OutputTarget& target, const std::string& ffmpegPath);
int writeStoryboard(const CaptureOptions& options, const std::vector<FrameStep>& plan,
                    OutputTarget& target);
int runBenchmark(const CaptureOptions& options, const std::vector<FrameStep>& plan);
