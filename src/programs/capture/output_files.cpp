#include "programs/capture/output_files.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

// The file open now: its folder and temporary name, for discardOpenOutput.
static int openFolderFd = -1;
static std::string openTemporary;

void discardOpenOutput() {
    if (openTemporary.empty()) return;
    unlinkat(openFolderFd, openTemporary.c_str(), 0);
    openTemporary.clear();
}

std::string temporaryNameFor(const std::string& name, const std::string& tag) {
    static constexpr std::size_t nameLimit = NAME_MAX;
    const std::size_t room = nameLimit - tag.size() - std::strlen("...part");
    std::size_t kept = std::min(name.size(), room);
    // Back off to the start of a UTF-8 character.
    while (kept > 0 && kept < name.size() &&
           (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80)
        --kept;
    return "." + name.substr(0, kept) + "." + tag + ".part";
}

static std::string randomTag() {
    unsigned char bytes[6];
    if (getentropy(bytes, sizeof bytes) != 0) return {};
    char text[2 * sizeof bytes + 1];
    for (std::size_t i = 0; i < sizeof bytes; ++i)
        std::snprintf(text + 2 * i, 3, "%02x", bytes[i]);
    return text;
}

// Creates a temporary beside name that did not exist before, as fd; its name in temporary.
static int createTemporary(int folder, const std::string& name, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string tag = randomTag();
        if (tag.empty()) return -1;
        temporary = temporaryNameFor(name, tag);
        // Made with the default mode for a new file (0666 less the umask).
        const int fd = openat(folder, temporary.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Out of the way of the numbers a child's standard streams and pipes are given.
static int movedAboveTen(int fd) {
    if (fd < 0) return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 10);
    const int error = errno;
    close(fd);
    errno = error;
    return moved;
}

static std::string openStream(OutputTarget& target) {
    const int fd = target.name.empty() ? fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 10)
                                       : movedAboveTen(openat(target.folderFd, target.name.c_str(),
                                                              O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (fd < 0) return "cannot open " + target.shown + ": " + std::strerror(errno);
    target.fd = fd;
    return {};
}

static std::string openFile(OutputTarget& target) {
    struct stat old {};
    const bool replacing = fstatat(target.folderFd, target.name.c_str(), &old, 0) == 0;
    if (replacing && faccessat(target.folderFd, target.name.c_str(), W_OK, AT_EACCESS) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(old.st_mode & 07777));
        return "cannot replace " + target.shown + ": " + std::strerror(errno) + " (mode " + mode +
               "); nothing was written";
    }
    const int fd = movedAboveTen(createTemporary(target.folderFd, target.name, target.temporary));
    if (fd < 0) return "cannot write " + target.shown + ": " + std::strerror(errno);
    if (replacing) {
        // As the file it replaces: its owner where we may give it (as root), its permissions.
        if (fchown(fd, old.st_uid, old.st_gid) != 0)
            old.st_mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
        fchmod(fd, old.st_mode & 07777);
    }
    target.fd = fd;
    openFolderFd = target.folderFd;
    openTemporary = target.temporary;
    static bool exitHookInstalled;
    if (!exitHookInstalled) exitHookInstalled = std::atexit(discardOpenOutput) == 0;
    return {};
}

std::string openOutput(OutputTarget& target) {
    return target.kind == TargetKind::stream ? openStream(target) : openFile(target);
}

std::string finishOutput(OutputTarget& target, const std::string& writeError) {
    std::string failure = writeError;
    if (target.fd >= 0 && close(target.fd) != 0 && failure.empty())
        failure = "cannot write " + target.shown + ": " + std::strerror(errno);
    target.fd = -1;
    if (target.temporary.empty()) return failure;
    if (failure.empty() && renameat(target.folderFd, target.temporary.c_str(), target.folderFd,
                                    target.name.c_str()) != 0)
        failure =
            "cannot rename the finished file to " + target.shown + ": " + std::strerror(errno);
    if (!failure.empty()) unlinkat(target.folderFd, target.temporary.c_str(), 0);
    target.temporary.clear();
    openTemporary.clear();
    return failure;
}

std::string writeOutput(OutputTarget& target, const std::function<std::string(int fd)>& write) {
    if (target.fd < 0) {
        if (std::string error = openOutput(target); !error.empty()) return error;
    }
    return finishOutput(target, write(target.fd));
}

std::string checkFolderWritable(const OutputTarget& folder) {
    std::string probe;
    const int fd = createTemporary(folder.folderFd, "probe", probe);
    if (fd < 0) return "cannot write into " + folder.shown + ": " + std::strerror(errno);
    close(fd);
    unlinkat(folder.folderFd, probe.c_str(), 0);
    return {};
}

bool sameAsStandardOutput(int fd) {
    struct stat ours {
    }, output{};
    return fstat(fd, &ours) == 0 && fstat(STDOUT_FILENO, &output) == 0 &&
           ours.st_dev == output.st_dev && ours.st_ino == output.st_ino;
}
