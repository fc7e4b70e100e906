// Runs a program as a child process and collects what it printed and how it ended.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct ProcessResult {
    std::string out;
    std::string err;
    int exitCode = -1; // when it exited
    int signal = 0;    // when a signal ended it
    bool timedOut = false;
    double seconds = 0; // wall time from start to exit
};

struct ProcessOptions {
    std::vector<std::string> env;      // "NAME=value" added to (or replacing) ours
    std::vector<std::string> unsetEnv; // names removed from the child's environment
    std::string workingDirectory;      // empty: ours
    double timeoutSeconds = 900;       // only a guard against a hang: slow machines are not faults
    // Optional: after delaySeconds, send signalToSend (SIGSTOP/SIGCONT pairs via stallSeconds).
    double signalAfterSeconds = -1;
    int signalToSend = 0;
    double stallSeconds = 0;                  // with signalToSend SIGSTOP: SIGCONT after this long
    bool closeStdout = false;                 // start the child with standard output closed
    bool dropStdoutAfterFirstLine = false;    // close our end of the pipe, as `| head -1` does
    unsigned long long addressSpaceLimit = 0; // bytes the child may map (RLIMIT_AS); 0: no limit
    // Called about every 50 ms while the child runs, with what it has printed so far; once it
    // returns true it is not called again.
    std::function<bool(int pid, const std::string& out)> whileRunning;
};

ProcessResult runProcess(const std::vector<std::string>& argv, const ProcessOptions& options = {});

// Lines of text, without their newlines.
std::vector<std::string> splitLines(const std::string& text);
