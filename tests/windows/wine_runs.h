// Running the Windows build under Wine for a test: one Wine prefix for the whole test run,
// Wine quiet, the sound going to a file through ALSA, messages on standard error.
#pragma once
#include "process_runner.h"
#include "programs/capture/image.h"
#include "virtual_screen.h"

#include <string>
#include <vector>

// A fresh empty folder for one test's files, in the run's scratch folder.
std::string freshFolder(const std::string& name);

// Makes the run's Wine prefix where it is missing (once, whichever test asks first) and
// says whether it is there.
bool prepareWinePrefix();

// Wine running program (a path to an .exe) with arguments.
std::vector<std::string> wineCommand(const std::string& program,
                                     const std::vector<std::string>& arguments = {});

// Runs command (from wineCommand) alone: one Windows program at a time under the run's
// prefix, and Wine's server ended after it. Wine keeps the screen's size and modes in the
// server the prefix shares, so a program on another test's screen, or the next program on
// a screen of another size, would be given the wrong screen.
ProcessResult runUnderWine(const std::vector<std::string>& command, const ProcessOptions& options);

// The environment for a Windows program on screen: the prefix, Wine quiet, no PulseAudio,
// ALSA's default device a file sink writing the raw samples to soundFile (when given), and
// QUORRIN_MESSAGES=stderr. Runs from the Windows build's data folder.
ProcessOptions wineOptions(const VirtualScreen& screen, const std::string& soundFile = {});

// Sends key (an xdotool key name) to the window titled "quorrin", the only one on the screen.
bool pressKey(const std::string& display, const std::string& key);

// The screen as a picture.
RgbImage screenPicture(const std::string& framebufferFolder);

// Seconds on a monotonic clock.
double secondsNow();
