#include "programs/capture/output_target.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

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

std::string absolutePath(const std::string& target) {
    if (!target.empty() && target[0] == '/') return target;
    char here[4096];
    if (getcwd(here, sizeof here) == nullptr) return target;
    return std::string(here) + "/" + target;
}

static std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

static int openFolder(int base, const std::string& path) {
    return openat(base, path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

static const char* streamKind(mode_t mode) {
    return S_ISFIFO(mode)   ? "a named pipe"
           : S_ISCHR(mode)  ? "a character device"
           : S_ISSOCK(mode) ? "a socket"
                            : "a special file";
}

// Takes what the name in folder is. What is not a file (a folder, a pipe, a device, also
// one reached through the kernel's own links such as /proc/self/fd/1) is used through the
// name as it is. A link to a file, or to a name not there yet, is followed by hand, to the
// folder its text starts from (the link's own for a relative one) and its last part there,
// because the finished file is renamed onto that name.
static std::string classify(const std::string& given, int folder, const std::string& name,
                            OutputTarget& target, std::string& link) {
    struct stat info {};
    const bool found = fstatat(folder, name.c_str(), &info, 0) == 0;
    if (!found && errno != ENOENT)
        return "cannot write " + target.shown + ": " + std::strerror(errno);
    if (found && S_ISDIR(info.st_mode)) {
        target.kind = TargetKind::folder;
        target.folderFd = openFolder(folder, name);
        if (target.folderFd < 0) return "cannot open " + target.shown + ": " + std::strerror(errno);
        close(folder);
        return {};
    }
    if (found && S_ISBLK(info.st_mode))
        return target.shown +
               " is a block device (a disk or a partition); the tool does not write over disks";
    if (found && !S_ISREG(info.st_mode)) {
        target.kind = TargetKind::stream;
        target.what = streamKind(info.st_mode);
    } else if (fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISLNK(info.st_mode)) {
        char text[4096];
        const ssize_t length = readlinkat(folder, name.c_str(), text, sizeof text);
        if (length < 0) return "cannot read the link " + given + ": " + std::strerror(errno);
        if (static_cast<std::size_t>(length) == sizeof text)
            return "cannot follow the link " + given + ": its target is too long";
        link.assign(text, static_cast<std::size_t>(length));
        return {};
    }
    target.folderFd = folder;
    target.name = name;
    return {};
}

std::string resolveOutputTarget(const std::string& given, OutputTarget& target) {
    target = {};
    if (given == "-") {
        target.kind = TargetKind::stream;
        target.shown = target.what = "standard output";
        return {};
    }
    target.shown = absolutePath(given);
    std::string path = withoutTrailingSlashes(given);
    int base = AT_FDCWD;
    // The kernel's own limit on links followed in one lookup.
    for (int hops = 0; hops <= 40; ++hops) {
        const std::string leaf = path == "/" ? "." : fileName(path);
        const int folder = openFolder(base, parentFolder(path));
        const int error = errno;
        if (base != AT_FDCWD) close(base);
        if (folder < 0) return "cannot write " + target.shown + ": " + std::strerror(error);
        std::string link;
        if (std::string failure = classify(given, folder, leaf, target, link); !failure.empty()) {
            close(folder);
            return failure;
        }
        if (link.empty()) return {};
        base = folder;
        path = withoutTrailingSlashes(link);
    }
    if (base != AT_FDCWD) close(base);
    return "cannot follow the links from " + given + ": too many of them, or a loop";
}

static std::string makeFolders(const std::string& folder) {
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

std::string resolveOutputFolder(const std::string& given, OutputTarget& folder) {
    std::string error = resolveOutputTarget(given, folder);
    if (error.empty() && folder.kind == TargetKind::stream)
        return "--png writes one file per frame and needs a folder, but " +
               (given == "-" ? std::string("-") : folder.shown) + " is " + folder.what +
               " (--mp4 and --storyboard can write there)";
    if (!error.empty() || folder.kind == TargetKind::file) {
        if (folder.folderFd >= 0) close(folder.folderFd);
        if (std::string made = makeFolders(withoutTrailingSlashes(given)); !made.empty())
            return made;
        error = resolveOutputTarget(given, folder);
        if (error.empty() && folder.kind != TargetKind::folder)
            error = "cannot make a folder at " + folder.shown;
    }
    return error;
}

OutputTarget fileInFolder(const OutputTarget& folder, const std::string& name) {
    OutputTarget file;
    file.shown = folder.shown + "/" + name;
    file.folderFd = folder.folderFd;
    file.name = name;
    return file;
}

bool targetIs(const OutputTarget& target, const struct stat& info) {
    struct stat ours {};
    const int found = target.kind == TargetKind::folder
                          ? fstat(target.folderFd, &ours)
                          : fstatat(target.folderFd, target.name.c_str(), &ours, 0);
    return found == 0 && ours.st_dev == info.st_dev && ours.st_ino == info.st_ino;
}

bool targetDiskFull(const OutputTarget& target) {
    struct statvfs space {};
    return fstatvfs(target.folderFd, &space) == 0 && space.f_bavail == 0;
}
