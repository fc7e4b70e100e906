// Statistics of frame times for the benchmark.
#pragma once
#include <vector>

// The p-th percentile (0 ... 100) of the samples, interpolated linearly between the two
// nearest ranks, so the median of an even count is the mean of the middle two. 0 for none.
double percentile(std::vector<double> samples, double p);

// Frames per second over the samples' total time (milliseconds); 0 for none.
double framesPerSecond(const std::vector<double>& samplesMs);
