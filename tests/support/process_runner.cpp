#include "process_runner.h"
#include "virtual_screen.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

static double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

static std::vector<std::string> childEnvironment(const ProcessOptions& options) {
    std::vector<std::string> env;
    auto overridden = [&](const std::string& entry) {
        const std::string name = entry.substr(0, entry.find('='));
        for (const auto& unset : options.unsetEnv)
            if (unset == name) return true;
        for (const auto& added : options.env)
            if (added.substr(0, added.find('=')) == name) return true;
        return false;
    };
    for (char** e = environ; *e != nullptr; ++e)
        if (!overridden(*e)) env.emplace_back(*e);
    for (const auto& added : options.env)
        env.push_back(added);
    return env;
}

static ProcessResult runOnDisplay(const std::vector<std::string>& argv,
                                  const ProcessOptions& options) {
    ProcessResult result;
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return result;
    std::vector<std::string> env = childEnvironment(options);
    std::vector<char*> envp, args;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvCopy = argv;
    for (auto& a : argvCopy)
        args.push_back(a.data());
    args.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        if (options.closeStdout)
            close(STDOUT_FILENO);
        else
            dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        close(outPipe[0]);
        close(outPipe[1]);
        close(errPipe[0]);
        close(errPipe[1]);
        if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0)
            _exit(126);
        if (options.addressSpaceLimit != 0) {
            const rlimit limit{options.addressSpaceLimit, options.addressSpaceLimit};
            if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(125);
        }
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);

    const double start = now();
    bool signalSent = false, resumed = false, pokeDone = !options.whileRunning;
    double stoppedAt = 0;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    int open = 2;
    char chunk[65536];
    while (open > 0) {
        const double elapsed = now() - start;
        if (!signalSent && options.signalToSend != 0 && options.signalAfterSeconds >= 0 &&
            elapsed >= options.signalAfterSeconds) {
            kill(child, options.signalToSend);
            signalSent = true;
            stoppedAt = elapsed;
        }
        if (signalSent && !resumed && options.signalToSend == SIGSTOP &&
            elapsed >= stoppedAt + options.stallSeconds) {
            kill(child, SIGCONT);
            resumed = true;
        }
        if (!pokeDone) pokeDone = options.whileRunning(child, result.out);
        if (elapsed > options.timeoutSeconds) {
            kill(child, SIGKILL);
            result.timedOut = true;
            break;
        }
        if (poll(fds, 2, 50) < 0 && errno != EINTR) break;
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || (fds[k].revents & (POLLIN | POLLHUP)) == 0) continue;
            const ssize_t got = read(fds[k].fd, chunk, sizeof chunk);
            if (got <= 0) {
                close(fds[k].fd);
                fds[k].fd = -1;
                --open;
            } else {
                (k == 0 ? result.out : result.err).append(chunk, static_cast<std::size_t>(got));
                if (k == 0 && options.dropStdoutAfterFirstLine &&
                    result.out.find('\n') != std::string::npos) {
                    close(fds[0].fd);
                    fds[0].fd = -1;
                    --open;
                }
            }
        }
    }
    for (auto& fd : fds)
        if (fd.fd >= 0) close(fd.fd);
    int status = 0;
    waitpid(child, &status, 0);
    result.seconds = now() - start;
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    return result;
}

// Tests run side by side on one shared display, where a window can be covered by another
// test's, and a covered show stops drawing until it is seen again. So a run gets a screen of
// its own (the shared one's size), unless its test chose a display or none.
static bool keepsItsDisplay(const ProcessOptions& options) {
    for (const auto& names : {options.env, options.unsetEnv})
        for (const auto& name : names)
            if (name.rfind("DISPLAY", 0) == 0) return true;
    return std::getenv("DISPLAY") == nullptr;
}

ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options) {
    if (keepsItsDisplay(options)) return runOnDisplay(argv, options);
    VirtualScreen screen = startVirtualScreen("2048x1024x24");
    ProcessOptions onOwnScreen = options;
    if (!screen.display.empty()) onOwnScreen.env.push_back("DISPLAY=" + screen.display);
    const ProcessResult result = runOnDisplay(argv, onOwnScreen);
    stopVirtualScreen(screen);
    return result;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
