#include "show/music_routines.h"

#include "platform/music.h"

#include <cstdio>

static void sendFormatted(const char* format) {
    char command[64];
    std::snprintf(command, sizeof command, format, musicFile);
    sendMusicCommand(command);
}

void openMusic() {
    sendFormatted("Open %s");
}

void playMusic() {
    sendFormatted("Play %s");
}

void pauseMusic() {
    sendFormatted("Pause %s");
}

void playMusicFrom(std::uint32_t showMs) {
    char command[64];
    std::snprintf(command, sizeof command, "Play %s from %u", musicFile,
                  static_cast<unsigned>(showMs));
    sendMusicCommand(command);
}

void stopMusic() {
    sendFormatted("Stop %s");
    sendFormatted("Seek %s to start");
}

void closeMusic() {
    stopMusic();
    sendFormatted("Close %s");
}
