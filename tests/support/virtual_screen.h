// A private virtual X server for one test, so that keys can be sent to the one window on it.
#pragma once
#include <string>

struct VirtualScreen {
    int pid = 0;
    std::string display; // ":N", empty when the server could not start
};

VirtualScreen startVirtualScreen(const char* geometry = "1280x1024x24");
void stopVirtualScreen(VirtualScreen& screen);
