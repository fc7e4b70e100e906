#include "programs/capture/progress.h"

#include <cmath>
#include <cstdio>

double progressRate(const Progress& progress) {
    if (progress.done == 0 || progress.elapsedSeconds <= 0) return 0;
    return progress.done / progress.elapsedSeconds;
}

double progressSecondsLeft(const Progress& progress) {
    if (progress.done >= progress.total) return 0;
    const double rate = progressRate(progress);
    if (rate <= 0) return -1;
    return (progress.total - progress.done) / rate;
}

std::string formatDuration(double seconds) {
    if (seconds < 0 || !std::isfinite(seconds)) return "--:--";
    // Rounded up: a "0:00 left" while frames remain would be a lie.
    const auto whole = static_cast<long long>(std::ceil(seconds));
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60,
                      whole % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

static int percentDone(const Progress& progress) {
    if (progress.total == 0) return 100;
    return static_cast<int>(100ull * progress.done / progress.total);
}

static std::string figures(const Progress& progress, const char* separator) {
    char text[128];
    std::snprintf(text, sizeof text, "%u/%u frames%s%.1f fps%s%s left", progress.done,
                  progress.total, separator, progressRate(progress), separator,
                  formatDuration(progressSecondsLeft(progress)).c_str());
    return text;
}

std::string formatProgressBar(const Progress& progress, int barWidth) {
    const int filled =
        progress.total == 0
            ? barWidth
            : static_cast<int>(static_cast<long long>(barWidth) * progress.done / progress.total);
    std::string bar = "[";
    bar.append(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(barWidth - filled), '.');
    char percent[16];
    std::snprintf(percent, sizeof percent, "] %3d%%  ", percentDone(progress));
    return bar + percent + figures(progress, "  ");
}

std::string formatProgressLine(const Progress& progress) {
    return std::to_string(percentDone(progress)) + "% (" + figures(progress, ", ") + ")";
}

int tenthReached(std::uint32_t before, std::uint32_t now, std::uint32_t total) {
    if (total == 0 || now <= before) return 0;
    const auto tenths = [total](std::uint32_t count) {
        return static_cast<int>(10ull * count / total);
    };
    const int reached = tenths(now);
    return reached > tenths(before) ? reached : 0;
}
