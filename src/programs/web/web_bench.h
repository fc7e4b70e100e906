// index.html#bench: the show stepped at 60 frames a second from its first frame to its
// last, each frame drawn and finished, as quorrin-capture --bench draws it, then the same
// report (show/bench_report.h) on the page's standard output. A frame is drawn whenever
// the page has time for the next.
#pragma once

// Takes over GLUT's callbacks for the run; call it after initDemo.
void startBench();
