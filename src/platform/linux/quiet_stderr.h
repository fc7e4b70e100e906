// Audio libraries complain on standard error when a machine has no sound card; the show
// stays silent there without a word, so those complaints are swallowed.
#pragma once

// Points file descriptor 2 at /dev/null; returns what restoreStderr needs (-1: unchanged).
int silenceStderr();
void restoreStderr(int saved);
