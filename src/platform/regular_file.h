// Reading the show's own files: only a regular file holds a picture or a soundtrack. A named
// pipe would wait for a writer for ever, a device could hand out endless bytes, a folder
// has none.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

struct RegularFile {
    std::FILE* file; // open for reading, or nullptr
    bool found;      // whether anything could be opened at path, regular or not
};

// The file at path opened for reading when it is a regular file; nullptr otherwise. Opening
// never waits (not even on a named pipe with no writer).
RegularFile openRegularFile(const char* path);

// Appends at most maxBytes more of the file to bytes, in steps, so the buffer grows only
// with what the file really holds: a short file that claims to be huge costs no more than
// its own size. Returns how many bytes were appended.
std::size_t readUpTo(std::FILE* file, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);
