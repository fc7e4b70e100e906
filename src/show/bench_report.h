// The benchmark both the capture (quorrin-capture --bench) and the page (index.html#bench)
// run: the show's frames at a steady rate, each drawn at its exact moment and finished, and
// timed. Both keep the times the same way and print the same report: one line on what was
// drawn, then per scene the frames drawn, the median and 95th-percentile time per frame and
// the frame rate, and a line for all of them together.
#pragma once
#include "show/picture_area.h"

#include <cstdint>
#include <string>
#include <vector>

// The frame times kept so far: frameMs[s] for the frames drawn in scene s + 1.
struct BenchTimes {
    std::vector<std::vector<double>> frameMs;
};

// Keeps the time a frame at showMs (within the show) took to draw.
void keepBenchFrame(BenchTimes& times, double showMs, double drawMs);

// What a run drew: the frame's size, the picture within it, the frames' rate and range,
// the samples per pixel (0 or 1: none), GL's name for itself.
struct BenchRun {
    const char* program;
    int width, height;
    PictureArea picture;
    std::uint32_t fps, fromMs, toMs;
    int msaa;
    std::string renderer;
};

// "PROGRAM --bench: WxH[ (the 4:3 picture WxH drawn)], FPS fps, FROM to TO ms, MSAA, RENDERER",
// the note that nothing was read back, then the table.
std::string benchReport(const BenchRun& run, const BenchTimes& times);

// The table alone: scenes without frames are left out.
std::string formatBenchTable(const std::vector<std::vector<double>>& frameMs);
