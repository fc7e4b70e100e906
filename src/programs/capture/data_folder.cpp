#include "programs/capture/data_folder.h"

#include "assets/texture_set.h"
#include "show/music_routines.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static bool holdsShowFiles(const std::string& folder) {
    struct stat info {};
    return stat((folder + "/image").c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           stat((folder + "/" + musicFile).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string enterDataFolder() {
    if (holdsShowFiles(".")) return {};
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return std::string("cannot find image/ and ") + musicFile + " in the current folder";
    self[length] = '\0';
    const std::string programFolder = parentFolder(self);
    // The build and the archive keep the files beside the program; an installed program
    // lives apart from its files, at a fixed place relative to them.
    const std::string installed =
        std::filesystem::path(programFolder + "/" + QUORRIN_DATA_FROM_PROGRAM)
            .lexically_normal()
            .string();
    for (const std::string& folder : {programFolder, installed}) {
        if (!holdsShowFiles(folder)) continue;
        if (chdir(folder.c_str()) != 0)
            return "cannot enter " + folder + ": " + std::strerror(errno);
        return {};
    }
    return std::string("cannot find image/ and ") + musicFile +
           " in the current folder, beside the program (build/data after a build) or in " +
           installed;
}

std::string refuseShowInput(const OutputTarget& target) {
    if (target.folderFd < 0) return {}; // standard output
    struct stat info {};
    for (const char* folder : {".", "image"})
        if (stat(folder, &info) == 0 && targetIs(target, info))
            return target.shown + " is the folder of the show's own files; choose another";
    std::vector<const char*> files = {musicFile};
    for (const TextureFile& file : textureFiles)
        files.push_back(file.path);
    for (const char* file : files)
        if (stat(file, &info) == 0 && targetIs(target, info))
            return target.shown + " is one of the show's own files (" + file +
                   "); the capture does not write over them";
    return {};
}
