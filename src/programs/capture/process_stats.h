// Figures about this process for the benchmark.
#pragma once

// Milliseconds since the kernel started this process (to its clock tick, 10 ms on most
// systems); negative when unknown.
double msSinceProcessStart();
// The largest resident set this process has had, in MiB.
double peakResidentMiB();
