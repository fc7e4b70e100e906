// Every file the capture writes takes one path: open, write, then finish (commit or
// discard). Files appear whole or not at all: a file is written under a temporary name in
// its own folder (so the final rename never crosses file systems) and renamed over the
// target once complete. The temporary is created afresh under a name no one can guess, so
// nothing planted at that name (a link into someone else's file) is ever written through,
// and it gets the mode and owner of the file it replaces. Targets that are not files
// (standard output, a pipe, a device) are written to directly: a rename would put a file
// in their place.
#pragma once
#include "programs/capture/output_target.h"

#include <functional>
#include <string>

// Opens the target for writing as target.fd (10 or above, close-on-exec). A stream is
// opened as it is ("-" is a copy of standard output; a named pipe waits here for its
// reader). For a file, an existing target the user may not write is refused, then the
// temporary is created. Empty result on success.
std::string openOutput(OutputTarget& target);

// Closes the target. A file is renamed over its target when writeError is empty and the
// close went well, otherwise its temporary is removed. Returns what went wrong: writeError,
// or the close's or the rename's failure; empty when the target holds the whole file.
std::string finishOutput(OutputTarget& target, const std::string& writeError);

// Opens the target unless it is open already, writes it with write(fd), which returns what
// went wrong (a whole message) or empty, and finishes it.
std::string writeOutput(OutputTarget& target, const std::function<std::string(int fd)>& write);

// Removes the temporary of the file open now, if any: on an interruption, and at exit
// whatever way the program leaves.
void discardOpenOutput();

// A file can be created in the folder target: made and removed. Empty result when it can.
std::string checkFolderWritable(const OutputTarget& folder);

// ".NAME.TAG.part", NAME shortened (never inside a character) so that the whole stays
// within the system's limit on a name.
std::string temporaryNameFor(const std::string& name, const std::string& tag);

// Whether fd reaches the same pipe, file or device as standard output.
bool sameAsStandardOutput(int fd);
