#include "platform/standard_streams.h"

#include <cstdio>

// Windows' C library reserves the three standard descriptors whether or not they have a
// handle behind them, so a file opened later never takes their place; writes to a missing
// one just fail. Its line buffering is full buffering, so standard output is unbuffered
// instead: each printf is still delivered whole, a frame's line at a time.
void prepareStandardStreams() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
}
