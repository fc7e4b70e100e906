#include "programs/capture/encoder_process.h"

#include "platform/signals.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// How long an encoder told to stop may take before it is killed.
static constexpr int abandonGraceMs = 1000;

std::string findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + name;
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

std::string startEncoder(const std::vector<std::string>& arguments, int readFd,
                         EncoderProcess& encoder, int outputFd, int outputChildFd) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return std::string("cannot make a pipe: ") + std::strerror(errno);
    if (ends[0] == readFd) {
        // dup2 onto itself would leave close-on-exec set and the encoder without its input.
        const int moved = fcntl(ends[0], F_DUPFD_CLOEXEC, readFd + 1);
        close(ends[0]);
        ends[0] = moved;
    }
    // A bigger pipe lets the encoder read a whole slice while the next frame is drawn.
    fcntl(ends[1], F_SETPIPE_SZ, 1 << 20);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], readFd);
    if (outputFd >= 0) posix_spawn_file_actions_adddup2(&actions, outputFd, outputChildFd);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failure = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(ends[0]);
    if (failure != 0) {
        close(ends[1]);
        return "cannot start " + arguments[0] + ": " + std::strerror(failure);
    }
    encoder.pid = pid;
    encoder.framesFd = ends[1];
    return {};
}

WriteResult writeToEncoder(EncoderProcess& encoder, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        if (quitSignal() != 0) return WriteResult::interrupted;
        const ssize_t written = write(encoder.framesFd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return WriteResult::failed;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return WriteResult::written;
}

static int exitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int finishEncoder(EncoderProcess& encoder) {
    close(encoder.framesFd);
    encoder.framesFd = -1;
    int status = 0;
    while (waitpid(encoder.pid, &status, 0) < 0) {
        // A quit signal must not wait on an encoder that a stalled reader holds up.
        if (errno != EINTR || quitSignal() != 0) return -1;
    }
    encoder.pid = -1;
    return exitStatus(status);
}

void abandonEncoder(EncoderProcess& encoder) {
    if (encoder.framesFd >= 0) close(encoder.framesFd);
    encoder.framesFd = -1;
    if (encoder.pid <= 0) return;
    // Asked first, so it can tidy up; one blocked writing to a stalled reader may never get
    // to its handler, so after a moment it is ended outright.
    kill(encoder.pid, SIGTERM);
    int status = 0;
    for (int wait = 0; wait < abandonGraceMs / 10; ++wait) {
        if (waitpid(encoder.pid, &status, WNOHANG) == encoder.pid) {
            encoder.pid = -1;
            return;
        }
        usleep(10000);
    }
    kill(encoder.pid, SIGKILL);
    while (waitpid(encoder.pid, &status, 0) < 0 && errno == EINTR) {
    }
    encoder.pid = -1;
}
