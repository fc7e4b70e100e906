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
    char number[16] = {};
    const ssize_t got = read(ready[0], number, sizeof number - 1);
    close(ready[0]);
    screen.pid = server;
    if (got > 0) {
        std::string text(number, static_cast<std::size_t>(got));
        while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
            text.pop_back();
        screen.display = ":" + text;
    }
    return screen;
}

void stopVirtualScreen(VirtualScreen& screen) {
    if (screen.pid <= 0) return;
    kill(screen.pid, SIGTERM);
    waitpid(screen.pid, nullptr, 0);
    screen.pid = 0;
}
