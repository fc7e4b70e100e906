// quorrin-capture: the show, frame by frame, into PNG files, a video, a storyboard or a
// benchmark table. See --help.
#include "programs/capture/capture_run.h"
#include "show/guarded.h"

int main(int argc, char** argv) {
    // An unexpected error ends it with one line and status 1; the unfinished file goes with
    // the exit.
    return runGuarded("quorrin-capture", runCapture, argc, argv);
}
