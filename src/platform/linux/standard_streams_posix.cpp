#include "platform/standard_streams.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

void prepareStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1) continue;
        const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}
