#include "capture/bench_report.h"

#include "capture/frame_stats.h"

#include <cstdio>

static std::string row(const char* name, const std::vector<double>& samples) {
    char text[128];
    std::snprintf(text, sizeof text, "%-6s %7zu %10.2f %10.2f %9.1f\n", name, samples.size(),
                  percentile(samples, 50), percentile(samples, 95), framesPerSecond(samples));
    return text;
}

std::string formatBenchTable(const std::vector<std::vector<double>>& frameMs) {
    std::string table = "scene   frames  median ms     p95 ms       fps\n";
    std::vector<double> all;
    for (std::size_t scene = 0; scene < frameMs.size(); ++scene) {
        if (frameMs[scene].empty()) continue;
        table += row(std::to_string(scene + 1).c_str(), frameMs[scene]);
        all.insert(all.end(), frameMs[scene].begin(), frameMs[scene].end());
    }
    table += row("all", all);
    return table;
}
