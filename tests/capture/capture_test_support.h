// Running quorrin-capture in tests, and looking at what it left behind.
#pragma once
#include "process_runner.h"
#include "programs/capture/image.h"
#include "show/picture_area.h"

#include <string>
#include <vector>

// The tool with these arguments, from the show's data folder.
ProcessResult runCapture(const std::vector<std::string>& arguments,
                         const ProcessOptions& options = {});

// A fresh empty folder for one test's files.
std::string freshFolder(const std::string& name);
// Names in a folder, sorted; hidden ones (the unfinished files) included.
std::vector<std::string> folderEntries(const std::string& folder);

// The picture in a PNG file; fails the test when it cannot be read.
RgbImage loadPng(const std::string& path);

// Lines of text, with their count of lines checked to be one.
bool isOneLine(const std::string& text);

// Every way frame fails to be picture set into it at area (counted from the lower left, as
// GL does) between pure black bars: bar pixels that are not black, picture bytes that
// differ. Empty when there is none.
std::string pictureBetweenBarsFaults(const RgbImage& frame, const RgbImage& picture,
                                     const PictureArea& area);
