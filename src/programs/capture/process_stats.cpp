#include "programs/capture/process_stats.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

double msSinceProcessStart() {
    std::FILE* file = std::fopen("/proc/self/stat", "r");
    if (!file) return -1;
    char text[1024] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    text[length] = '\0';
    // The command name may hold spaces and parentheses: fields count from the last ')'.
    const char* field = std::strrchr(text, ')');
    if (!field) return -1;
    unsigned long long startTicks = 0;
    // After ')' come field 3 (state) ... field 22 (start time in clock ticks since boot).
    if (std::sscanf(field + 1,
                    " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d "
                    "%*d %*d %llu",
                    &startTicks) != 1)
        return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (now.tv_sec + now.tv_nsec * 1e-9 - startTicks / ticksPerSecond) * 1000.0;
}

double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}
