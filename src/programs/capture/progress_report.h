// Progress on standard error while frames are drawn: a bar on a terminal, a line at every
// tenth otherwise (logs and pipes would fill up with redrawn bars).
#pragma once
#include <cstdint>

void startProgress(std::uint32_t total);
void reportProgress(std::uint32_t done);
// Ends the bar's line, if one is shown.
void endProgress();
// Seconds since startProgress.
double progressSeconds();
