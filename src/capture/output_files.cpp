#include "capture/output_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static std::string pendingTemporary;
static std::string pendingTarget;

std::string parentFolder(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string fileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string temporaryPathFor(const std::string& target) {
    const std::string folder = parentFolder(target);
    return (folder == "/" ? "" : folder) + "/." + fileName(target) + "." +
           std::to_string(getpid()) + ".part";
}

std::string absolutePath(const std::string& target) {
    if (!target.empty() && target[0] == '/') return target;
    char here[4096];
    if (getcwd(here, sizeof here) == nullptr) return target;
    return std::string(here) + "/" + target;
}

std::string makeFolders(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? std::string()
                                     : "cannot make a folder at " + folder + ": a file is there";
    const std::string parent = parentFolder(folder);
    if (parent != folder && parent != "." && parent != "/") {
        if (std::string error = makeFolders(parent); !error.empty()) return error;
    }
    if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
        return "cannot create " + folder + ": " + std::strerror(errno);
    return {};
}

std::string checkFolderWritable(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0)
        return "cannot write into " + folder + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return "cannot write into " + folder + ": not a folder";
    const std::string probe = temporaryPathFor(folder + "/probe");
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0) return "cannot write into " + folder + ": " + std::strerror(errno);
    close(fd);
    unlink(probe.c_str());
    return {};
}

void setPendingFile(const std::string& temporary, const std::string& target) {
    pendingTemporary = temporary;
    pendingTarget = target;
}

std::string commitPendingFile() {
    if (pendingTemporary.empty()) return {};
    const std::string temporary = pendingTemporary;
    pendingTemporary.clear();
    if (std::rename(temporary.c_str(), pendingTarget.c_str()) != 0) {
        const std::string error =
            "cannot rename the finished file to " + pendingTarget + ": " + std::strerror(errno);
        unlink(temporary.c_str());
        return error;
    }
    return {};
}

void discardPendingFile() {
    if (pendingTemporary.empty()) return;
    unlink(pendingTemporary.c_str());
    pendingTemporary.clear();
}
