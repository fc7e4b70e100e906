#include "capture_test_support.h"

#include "programs/capture/png_file.h"

#include <algorithm>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

ProcessResult runCapture(const std::vector<std::string>& arguments, const ProcessOptions& options) {
    std::vector<std::string> argv{QUORRIN_CAPTURE_EXE};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ProcessOptions withFolder = options;
    if (withFolder.workingDirectory.empty()) withFolder.workingDirectory = QUORRIN_DATA_DIR;
    if (withFolder.timeoutSeconds == 120) withFolder.timeoutSeconds = 600;
    return runProcess(argv, withFolder);
}

static void removeTree(const std::string& path) {
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) {
        unlink(path.c_str());
        return;
    }
    while (dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") removeTree(path + "/" + name);
    }
    closedir(folder);
    rmdir(path.c_str());
}

std::string freshFolder(const std::string& name) {
    const std::string folder = std::string(::testing::TempDir()) + "quorrin-capture-" +
                               std::to_string(getpid()) + "-" + name;
    removeTree(folder);
    mkdir(folder.c_str(), 0777);
    return folder;
}

std::vector<std::string> folderEntries(const std::string& path) {
    std::vector<std::string> names;
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) return names;
    while (dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

RgbImage loadPng(const std::string& path) {
    RgbImage image;
    const std::string error = readPng(path, image);
    EXPECT_EQ(error, "");
    return image;
}

bool isOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == 1;
}

std::string pictureBetweenBarsFaults(const RgbImage& frame, const RgbImage& picture,
                                     const PictureArea& area) {
    if (picture.width != area.width || picture.height != area.height)
        return "the picture is " + std::to_string(picture.width) + "x" +
               std::to_string(picture.height) + ", not " + std::to_string(area.width) + "x" +
               std::to_string(area.height);
    const int top = frame.height - area.y - area.height; // in the frame's top-down rows
    long litBarPixels = 0, differingBytes = 0;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const std::uint8_t* p =
                &frame.pixels[(static_cast<std::size_t>(y) * frame.width + x) * 3];
            const bool inside =
                x >= area.x && x < area.x + area.width && y >= top && y < top + area.height;
            if (!inside) {
                litBarPixels += (p[0] | p[1] | p[2]) != 0;
                continue;
            }
            const std::uint8_t* q =
                &picture.pixels[(static_cast<std::size_t>(y - top) * picture.width + (x - area.x)) *
                                3];
            differingBytes += (p[0] != q[0]) + (p[1] != q[1]) + (p[2] != q[2]);
        }
    if (litBarPixels == 0 && differingBytes == 0) return {};
    return std::to_string(litBarPixels) + " bar pixels not black, " +
           std::to_string(differingBytes) + " picture bytes differing";
}
