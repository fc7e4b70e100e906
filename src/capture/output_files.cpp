#include "capture/output_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

static std::string pendingTemporary;
static std::string pendingTarget;
static int openStream = -1;

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

bool diskFull(const std::string& folder) {
    struct statvfs space {};
    return statvfs(folder.c_str(), &space) == 0 && space.f_bavail == 0;
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

std::string followLinks(const std::string& path, std::string& final) {
    std::string current = path;
    // The kernel's own limit on links followed in one lookup.
    for (int hops = 0; hops <= 40; ++hops) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            final = current;
            return {};
        }
        char text[4096];
        const ssize_t length = readlink(current.c_str(), text, sizeof text);
        if (length < 0) return "cannot read the link " + current + ": " + std::strerror(errno);
        if (static_cast<std::size_t>(length) == sizeof text)
            return "cannot follow the link " + current + ": its target is too long";
        const std::string next(text, static_cast<std::size_t>(length));
        current = next.front() == '/' ? next : parentFolder(current) + "/" + next;
    }
    return "cannot follow the links from " + path + ": too many of them, or a loop";
}

std::string resolveOutputTarget(const std::string& given, OutputTarget& target) {
    target = {};
    if (given == "-") {
        target.kind = TargetKind::stream;
        target.path = given;
        target.what = "standard output";
        return {};
    }
    struct stat info {};
    if (stat(given.c_str(), &info) != 0) {
        // A new name, or a link to one: the file is made where the links lead.
        if (errno != ENOENT) return "cannot write " + given + ": " + std::strerror(errno);
        return followLinks(given, target.path);
    }
    if (S_ISREG(info.st_mode)) return followLinks(given, target.path);
    target.path = given;
    if (S_ISDIR(info.st_mode)) {
        target.kind = TargetKind::folder;
        return {};
    }
    if (S_ISBLK(info.st_mode))
        return given + " is a block device (a disk or a partition); the tool does not write over "
                       "disks";
    target.kind = TargetKind::stream;
    target.what = S_ISFIFO(info.st_mode)   ? "a named pipe"
                  : S_ISCHR(info.st_mode)  ? "a character device"
                  : S_ISSOCK(info.st_mode) ? "a socket"
                                           : "a special file";
    return {};
}

std::string openStreamTarget(const OutputTarget& target, int& fd) {
    fd = -1;
    int opened = -1;
    if (target.path == "-") {
        opened = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 10);
        if (opened < 0)
            return "cannot write to standard output: " + std::string(std::strerror(errno));
        fd = opened;
        return {};
    }
    opened = open(target.path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (opened < 0) return "cannot open " + target.path + ": " + std::strerror(errno);
    // Out of the way of the numbers a child's standard streams and pipes are given.
    fd = fcntl(opened, F_DUPFD_CLOEXEC, 10);
    const int error = errno;
    close(opened);
    if (fd < 0) return "cannot open " + target.path + ": " + std::strerror(error);
    return {};
}

bool sameAsStandardOutput(int fd) {
    struct stat ours {
    }, output{};
    return fstat(fd, &ours) == 0 && fstat(STDOUT_FILENO, &output) == 0 &&
           ours.st_dev == output.st_dev && ours.st_ino == output.st_ino;
}

void setStreamFd(int fd) {
    openStream = fd;
}

int streamFd() {
    return openStream;
}
