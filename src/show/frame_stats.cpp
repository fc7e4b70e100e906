#include "show/frame_stats.h"

#include <algorithm>
#include <cmath>
#include <numeric>

double percentile(std::vector<double> samples, double p) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const double rank = std::clamp(p, 0.0, 100.0) / 100.0 * (samples.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, samples.size() - 1);
    const double fraction = rank - below;
    return samples[below] + (samples[above] - samples[below]) * fraction;
}

double framesPerSecond(const std::vector<double>& samplesMs) {
    const double totalMs = std::accumulate(samplesMs.begin(), samplesMs.end(), 0.0);
    if (samplesMs.empty() || totalMs <= 0) return 0;
    return samplesMs.size() * 1000.0 / totalMs;
}
