// The encoder as a child process fed through a pipe.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// The first executable called name on PATH, or empty.
std::string findOnPath(const std::string& name);

struct EncoderProcess {
    pid_t pid = -1;
    int framesFd = -1; // our end of the frame pipe
};

// Starts arguments[0] with the pipe's read end as file descriptor readFd, standard input
// from /dev/null, in a process group of its own so Ctrl-C reaches only us (we then stop it
// ourselves). With outputFd (10 or above) the encoder also gets that as file descriptor
// outputChildFd, to write the video to. Empty result on success.
std::string startEncoder(const std::vector<std::string>& arguments, int readFd,
                         EncoderProcess& encoder, int outputFd = -1, int outputChildFd = -1);

enum class WriteResult { written, interrupted, failed };
WriteResult writeToEncoder(EncoderProcess& encoder, const std::uint8_t* data, std::size_t size);

// Closes the pipe and waits; the encoder's exit status, or -1 when it did not exit normally
// or a quit signal stopped the wait (the encoder is then still to be abandoned).
int finishEncoder(EncoderProcess& encoder);
// Closes the pipe and stops the encoder (killing it if it does not stop within a second),
// and waits for it.
void abandonEncoder(EncoderProcess& encoder);
