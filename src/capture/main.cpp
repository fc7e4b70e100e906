// quorrin-capture: the show, frame by frame, into PNG files, a video, a storyboard or a
// benchmark table. See --help.
#include "capture/capture_run.h"
#include "capture/output_files.h"
#include "shell/guarded.h"

#include <cstdio>

int main(int argc, char** argv) {
    try {
        return runCapture(argc, argv);
    } catch (...) {
        // Never std::terminate: the unfinished file goes and the reason is one line.
        discardPendingFile();
        std::fflush(stdout);
        std::fprintf(stderr, "quorrin-capture: stopped by an unexpected error: %s\n",
                     currentExceptionText());
        return 1;
    }
}
