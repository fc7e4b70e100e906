#include "virtual_screen.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

VirtualScreen startVirtualScreen(const char* geometry, const std::string& framebufferFolder) {
    VirtualScreen screen;
    int ready[2];
    if (pipe(ready) != 0) return screen;
    // The server writes its display number to the pipe once it accepts connections.
    const std::string fd = std::to_string(ready[1]);
    // -noreset: by default the server resets when its last client leaves, and a program
    // connecting during the reset is turned away; runs here come one after another.
    std::vector<const char*> args{"Xvfb",   "-displayfd", fd.c_str(), "-screen", "0",
                                  geometry, "-nolisten",  "tcp",      "-noreset"};
    if (!framebufferFolder.empty()) {
        args.push_back("-fbdir");
        args.push_back(framebufferFolder.c_str());
    }
    args.push_back(nullptr);
    const pid_t server = fork();
    if (server == 0) {
        close(ready[0]);
        execv("/usr/bin/Xvfb", const_cast<char* const*>(args.data()));
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

static std::uint32_t bigEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

ScreenPixels readScreenFile(const std::string& framebufferFolder) {
    std::ifstream in(framebufferFolder + "/Xvfb_screen0", std::ios::binary);
    const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
    ScreenPixels screen;
    // The XWD header: 25 big-endian 32-bit fields, the window's name, then the colour map
    // (12 bytes an entry) and the pixels.
    if (file.size() < 100) return screen;
    std::uint32_t field[25];
    for (int i = 0; i < 25; ++i)
        field[i] = bigEndian32(&file[static_cast<std::size_t>(i) * 4]);
    const std::uint32_t headerSize = field[0], width = field[4], height = field[5],
                        lsbFirst = field[7] == 0, bitsPerPixel = field[11],
                        bytesPerLine = field[12], redMask = field[14], greenMask = field[15],
                        blueMask = field[16], colours = field[19];
    const std::size_t start = headerSize + static_cast<std::size_t>(colours) * 12;
    if (bitsPerPixel != 32 || redMask != 0xff0000 || greenMask != 0xff00 || blueMask != 0xff ||
        width == 0 || height == 0 || bytesPerLine < width * 4 || width > 16384 || height > 16384 ||
        file.size() < start + static_cast<std::size_t>(bytesPerLine) * height)
        return screen;
    screen.width = static_cast<int>(width);
    screen.height = static_cast<int>(height);
    screen.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p =
                &file[start + static_cast<std::size_t>(y) * bytesPerLine + x * 4];
            const std::uint32_t pixel =
                lsbFirst ? p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24
                         : bigEndian32(p);
            std::uint8_t* out = &screen.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            out[0] = static_cast<std::uint8_t>(pixel >> 16);
            out[1] = static_cast<std::uint8_t>(pixel >> 8);
            out[2] = static_cast<std::uint8_t>(pixel);
        }
    return screen;
}
