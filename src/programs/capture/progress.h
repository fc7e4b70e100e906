// Progress of a long capture as text: a bar redrawn in place on a terminal, or a line at
// every tenth of the work for logs and pipes.
#pragma once
#include <cstdint>
#include <string>

struct Progress {
    std::uint32_t done;
    std::uint32_t total;
    double elapsedSeconds;
};

// Frames per second so far; 0 before anything is measurable.
double progressRate(const Progress& progress);
// Seconds left at the rate so far; negative when not yet known.
double progressSecondsLeft(const Progress& progress);
// "1:05", "12:00", "1:02:03"; "--:--" for an unknown (negative) time.
std::string formatDuration(double seconds);

// "[#####.....]  50%  2400/4800 frames  41.3 fps  0:58 left", the bar barWidth wide.
std::string formatProgressBar(const Progress& progress, int barWidth);
// "50% (2400/4800 frames, 41.3 fps, 0:58 left)".
std::string formatProgressLine(const Progress& progress);

// The tenth of the work (1 ... 10) first reached when the count goes from before to now,
// the highest one when several are crossed at once; 0 when none is.
int tenthReached(std::uint32_t before, std::uint32_t now, std::uint32_t total);
