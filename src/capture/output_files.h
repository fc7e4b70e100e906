// Files appear whole or not at all: everything is written under a hidden temporary name in
// the target's own folder (so the final rename never crosses file systems) and renamed over
// the target once complete. Targets that are not files (standard output, a pipe, a device)
// are written to directly: a rename would put a file in their place.
#pragma once
#include <string>

enum class TargetKind {
    file,   // a regular file or a new name: written under a temporary name, renamed onto path
    folder, // an existing folder (also through a link)
    stream, // standard output ("-"), a named pipe, a character device, a socket
};

struct OutputTarget {
    TargetKind kind = TargetKind::file;
    // A file's final name, symbolic links followed (whether it exists yet or not), so the
    // finished file replaces what a link points at and the link stays; otherwise as given.
    std::string path;
    std::string what; // a stream's kind in words: "standard output", "a named pipe", ...
};

// What the path given on the command line names. Empty result on success, otherwise why
// nothing can be written there (a block device, a loop of links, a part of the path that is
// not a folder...).
std::string resolveOutputTarget(const std::string& given, OutputTarget& target);

// Follows a chain of symbolic links to the name at its end, which need not exist. Relative
// links count from the link's own folder. Empty result on success.
std::string followLinks(const std::string& path, std::string& final);

// Opens a stream target for writing as a descriptor numbered 10 or above, close-on-exec,
// never created or truncated; "-" is a copy of standard output. A named pipe waits here for
// its reader. Empty result on success.
std::string openStreamTarget(const OutputTarget& target, int& fd);

// Whether fd reaches the same pipe, file or device as standard output.
bool sameAsStandardOutput(int fd);

// The open stream target, or -1 when the target is a file or a folder.
void setStreamFd(int fd);
int streamFd();

// "/a/b/.name.PID.part" for "/a/b/name".
std::string temporaryPathFor(const std::string& target);

// target made absolute against the current folder (it is kept as given when already so).
std::string absolutePath(const std::string& target);
std::string parentFolder(const std::string& path);
std::string fileName(const std::string& path);

// Whether the file system holding folder has no room left for another block.
bool diskFull(const std::string& folder);

// Creates the folder and any missing parents. Empty result on success.
std::string makeFolders(const std::string& folder);
// Whether a new file can be created in folder, by creating and removing one. Empty result
// when it can.
std::string checkFolderWritable(const std::string& folder);

// The temporary file being written, removed by discardPendingFile on an interruption or a
// failure; commitPendingFile renames it over its target.
void setPendingFile(const std::string& temporary, const std::string& target);
std::string commitPendingFile();
void discardPendingFile();
