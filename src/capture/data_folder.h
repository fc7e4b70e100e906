// The folder the show's files come from.
#pragma once
#include <string>

// Makes the folder holding image/ and quorrin.wav the current one: the current folder when
// it holds them, otherwise the program's own folder (where the build puts it beside them).
// Empty result on success.
std::string enterDataFolder();
