// The four things the tool makes from a plan of frames. Each returns the exit status; an
// interruption removes the unfinished file and ends the process as the signal would.
#pragma once
#include "capture/capture_options.h"
#include "capture/frame_times.h"

#include <string>
#include <vector>

// Writes "quorrin-capture: message" on standard error; returns 1.
int reportFailure(const std::string& message);

// The PNG frames or stills into options.target, a folder that exists.
int writePngFrames(const CaptureOptions& options, const std::vector<FrameStep>& plan);
// The video, through the encoder at ffmpegPath.
int writeMp4(const CaptureOptions& options, const std::vector<FrameStep>& plan,
             const std::string& ffmpegPath);
int writeStoryboard(const CaptureOptions& options, const std::vector<FrameStep>& plan);
int runBenchmark(const CaptureOptions& options, const std::vector<FrameStep>& plan);
