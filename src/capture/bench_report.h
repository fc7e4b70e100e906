// The benchmark's table: per scene the frames drawn, the median and 95th-percentile time
// per frame and the frame rate, and a line for all of them together.
#pragma once
#include <string>
#include <vector>

// frameMs[s] holds the times of the frames drawn in scene s + 1; scenes without frames
// are left out.
std::string formatBenchTable(const std::vector<std::vector<double>>& frameMs);
