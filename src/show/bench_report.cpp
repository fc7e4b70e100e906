#include "show/bench_report.h"

#include "show/frame_stats.h"
#include "show/scene_table.h"

#include <cstdio>

void keepBenchFrame(BenchTimes& times, double showMs, double drawMs) {
    const int scene = chooseScene(showMs);
    if (scene == 0) return;
    times.frameMs.resize(sceneCount);
    times.frameMs[static_cast<std::size_t>(scene - 1)].push_back(drawMs);
}

std::string benchReport(const BenchRun& run, const BenchTimes& times) {
    // The frames drawn are the picture's size; the bars cost nothing to draw.
    const std::string pictureNote = fillsTarget(run.picture, run.width, run.height)
                                        ? ""
                                        : " (the 4:3 picture " + std::to_string(run.picture.width) +
                                              "x" + std::to_string(run.picture.height) + " drawn)";
    const std::string samples =
        run.msaa > 1 ? std::to_string(run.msaa) + "x MSAA" : std::string("no MSAA");
    char header[512];
    std::snprintf(header, sizeof header,
                  "%s --bench: %dx%d%s, %u fps, %u to %u ms, %s, %s\n"
                  "(each frame drawn and finished with glFinish, nothing read back)\n",
                  run.program, run.width, run.height, pictureNote.c_str(), run.fps, run.fromMs,
                  run.toMs, samples.c_str(), run.renderer.c_str());
    return header + formatBenchTable(times.frameMs);
}

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
