#include "capture_test_support.h"

#include "capture/png_file.h"

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
