// The folder the show's files come from.
#pragma once
#include "programs/capture/output_target.h"

#include <string>

// Makes the folder holding image/ and quorrin.wav the current one: the current folder when
// it holds them, otherwise the program's own folder (where the build and the archive put
// them), otherwise the installed data folder, found relative to the program's folder by
// QUORRIN_DATA_FROM_PROGRAM. Empty result on success.
std::string enterDataFolder();

// Empty, or why the target may not be written: it is one of the show's own files (the
// soundtrack, a picture) or the folder holding them. Call it in the data folder.
std::string refuseShowInput(const OutputTarget& target);
