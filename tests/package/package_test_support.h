// What the install and package tests share: folders, programs found on PATH, the show run
// until it plays, and the few file facts they check.
#pragma once
#include "process_runner.h"

#include <string>
#include <vector>

// A fresh empty folder, removed with everything in it when the object goes. Its name has a
// space, so a path left unquoted anywhere on the way shows.
struct TempFolder {
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path;
};

// The full path of a program on PATH, empty when there is none.
std::string onPath(const std::string& program);

// A command-line tool by name, run from the given folder (empty: ours).
ProcessResult runTool(const std::vector<std::string>& argv, const std::string& folder = {});

// The names of the pictures the build makes, as the tools' catalogue lists them.
std::vector<std::string> builtPictureNames();

// Names in a folder, sorted.
std::vector<std::string> folderEntries(const std::string& folder);

// A show started by argv from workingFolder, its music going to a file through SDL's disk
// driver, ended with SIGTERM once it has printed progressLines lines. Where it ran from
// and what it ran are read from /proc while it plays.
struct ShowRun {
    ProcessResult result;
    std::string workingFolder; // the running show's own working folder
    std::string executable;    // the program the process was running
    unsigned long long musicBytes = 0;
};
ShowRun playUntilProgress(const std::vector<std::string>& argv, const std::string& workingFolder,
                          std::size_t progressLines);

// Checks what every show run here must give: ended by SIGTERM with status 0, nothing on
// standard error, progress lines that are numbers from 0 to 1, and music played.
void expectPlayedAndEndedCleanly(const ShowRun& run, std::size_t progressLines);

// Width and height from a PNG file's header; {0, 0} when it is not a PNG.
struct PngSize {
    unsigned width = 0, height = 0;
};
PngSize readPngSize(const std::string& path);
