#include "virtual_screen.h"

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

VirtualScreen startVirtualScreen(const char* geometry) {
    VirtualScreen screen;
    int ready[2];
    if (pipe(ready) != 0) return screen;
    const pid_t server = fork();
    if (server == 0) {
        close(ready[0]);
        const std::string fd = std::to_string(ready[1]);
        // The server writes its display number to fd once it accepts connections.
        execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", geometry,
              "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    // The server writes the number and the newline separately and dies if the pipe is gone
    // before the second write: read through to the newline before closing.
    std::string number;
    char c = 0;
    while (number.size() < 16 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    screen.pid = server;
    if (c == '\n' && !number.empty()) screen.display = ":" + number;
    return screen;
}

void stopVirtualScreen(VirtualScreen& screen) {
    if (screen.pid <= 0) return;
    kill(screen.pid, SIGTERM);
    waitpid(screen.pid, nullptr, 0);
    screen.pid = 0;
}
