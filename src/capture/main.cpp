// quorrin-capture: the show, frame by frame, into PNG files, a video, a storyboard or a
// benchmark table. See --help.
#include "capture/capture_run.h"

int main(int argc, char** argv) {
    return runCapture(argc, argv);
}
