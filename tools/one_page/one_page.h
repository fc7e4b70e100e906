// The site's page as one file that opens anywhere, from a web host or from a disk: its style
// sheet and scripts written into it where they were linked, and its data files carried
// inside as base64, in script blocks of type application/octet-stream named by data-file,
// which the page reads instead of fetching (page/page.js). No browser will fetch a file
// beside a page opened from the disk; every one will read its own text.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct CarriedFile {
    std::string name; // as the page asks for it
    std::string bytes;
};

// page: the site's index.html. Each <link rel="stylesheet" href="NAME"> and
// <script src="NAME"></script> becomes the file itself, read by readFile(NAME); the files are
// carried just before the first script. Throws std::runtime_error where a linked file cannot
// be read.
std::string makeOnePage(const std::string& page,
                        const std::function<std::string(const std::string&)>& readFile,
                        const std::vector<CarriedFile>& files);
