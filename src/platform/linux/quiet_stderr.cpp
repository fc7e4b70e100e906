#include "platform/linux/quiet_stderr.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int silenceStderr() {
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    if (saved < 0) return -1;
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0) {
        close(saved);
        return -1;
    }
    dup2(null, STDERR_FILENO);
    close(null);
    return saved;
}

void restoreStderr(int saved) {
    if (saved < 0) return;
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
}
