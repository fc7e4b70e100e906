// What a show held at one moment (the stepped program, "STEP:HOLD") shows full screen on a
// private virtual screen of its own.
#pragma once
#include "programs/capture/image.h"

#include <string>
#include <vector>

// The picture once the show has printed its first line and the screen has then stood still
// for a while (a show still stepping changes it at every frame); the show is then ended.
// Empty where the screen never settled within the guard's time.
RgbImage heldScreen(const std::vector<std::string>& command, const char* geometry, bool underWine);
