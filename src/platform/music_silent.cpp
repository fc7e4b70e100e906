// The music device for runs that must make no sound (tests, capture): accepts every
// command and plays nothing.
#include "platform/music.h"

void sendMusicCommand(const char*) {}
