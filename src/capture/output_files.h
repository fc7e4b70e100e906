// Files appear whole or not at all: everything is written under a hidden temporary name in
// the target's own folder (so the final rename never crosses file systems) and renamed over
// the target once complete.
#pragma once
#include <string>

// "/a/b/.name.PID.part" for "/a/b/name".
std::string temporaryPathFor(const std::string& target);

// target made absolute against the current folder (it is kept as given when already so).
std::string absolutePath(const std::string& target);
std::string parentFolder(const std::string& path);
std::string fileName(const std::string& path);

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
