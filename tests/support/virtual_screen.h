// A private virtual X server for one test, so that keys can be sent to the one window on it
// and what it shows can be read back.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct VirtualScreen {
    int pid = 0;
    std::string display; // ":N", empty when the server could not start
};

// With a framebufferFolder the server keeps its screen in the file Xvfb_screen0 there.
VirtualScreen startVirtualScreen(const char* geometry = "1280x1024x24",
                                 const std::string& framebufferFolder = {});
void stopVirtualScreen(VirtualScreen& screen);

struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // rows top to bottom, 3 bytes a pixel
};

// What the screen shows now, from the file a server started with a framebufferFolder keeps
// (an XWD image of a 24-bit TrueColor screen). Empty on a file it cannot read.
ScreenPixels readScreenFile(const std::string& framebufferFolder);
