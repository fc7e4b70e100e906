// Where the capture writes, worked out before anything is drawn and before the show's folder
// becomes the current one. The folder a file goes into is held open, so the file lands where
// the user meant whatever the current folder is later and however long its path is.
#pragma once
#include <string>
#include <sys/stat.h>

enum class TargetKind {
    file,   // a regular file or a new name: written under a temporary name, renamed onto it
    folder, // an existing folder (also through a link)
    stream, // standard output ("-"), a named pipe, a character device, a socket
};

struct OutputTarget {
    TargetKind kind = TargetKind::file;
    std::string shown;     // as messages name it: the path given, or "standard output"
    std::string what;      // a stream's kind in words: "standard output", "a named pipe", ...
    int folderFd = -1;     // a file's folder, or the folder itself (held open, O_PATH)
    std::string name;      // a file's or a stream's final name in folderFd, links followed
    int fd = -1;           // while open: the stream, or the temporary file being written
    std::string temporary; // a file's temporary name in folderFd, while it is open
};

// What the path given on the command line names: symbolic links are followed to where the
// file really goes (relative links from their own folder), so the finished file replaces
// what a link points at and the link stays. Empty result on success, otherwise why nothing
// can be written there (a block device, a loop of links, a part of the path that is not a
// folder...).
std::string resolveOutputTarget(const std::string& given, OutputTarget& target);

// For --png: makes the folder and any missing parents and resolves it (whether a file can
// be created in it is output_files.h's checkFolderWritable). Empty result on success.
std::string resolveOutputFolder(const std::string& given, OutputTarget& folder);

// A file of this name in a folder target.
OutputTarget fileInFolder(const OutputTarget& folder, const std::string& name);

// Whether the target is the file or folder described by info (same device and inode).
bool targetIs(const OutputTarget& target, const struct stat& info);

// Whether the file system holding the target has no room left for another block.
bool targetDiskFull(const OutputTarget& target);

// target made absolute against the current folder where that is possible, for messages.
std::string absolutePath(const std::string& target);
std::string parentFolder(const std::string& path);
std::string fileName(const std::string& path);
