// The capture tool from its command line to its exit status.
#pragma once

// 0 when everything was written, 1 on a failure, 2 on a bad command line.
int runCapture(int argc, char** argv);
