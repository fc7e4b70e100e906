// The music through Windows' Media Control Interface: the show's commands ("Open
// quorrin.wav", "Play quorrin.wav from 5000", ...) are MCI command strings as they are, and
// MCI plays the wave file itself. Results are not looked at: without a sound device, or
// without the file, MCI refuses and the show goes on silently.
#include "platform/music.h"
#include "platform/music_command.h"

#include <cstdlib>
#include <string>
#include <windows.h>

#include <mmsystem.h>

static std::string openTrack; // the file MCI was asked to open, until it is closed

// Esc and a stop request end the process without the show's own close: MCI is told before
// the process goes, so the sound device is let go at once.
static void closeTrackAtExit() {
    if (openTrack.empty()) return;
    mciSendStringA(("Close " + openTrack).c_str(), nullptr, 0, nullptr);
    openTrack.clear();
}

void sendMusicCommand(const char* text) {
    const MusicCommand command = parseMusicCommand(text, 64);
    if (command.verb == MusicVerb::open && openTrack.empty()) {
        static const bool exitHookInstalled = std::atexit(closeTrackAtExit) == 0;
        (void)exitHookInstalled;
        openTrack = command.file;
    }
    if (command.verb == MusicVerb::close && command.file == openTrack) openTrack.clear();
    mciSendStringA(text, nullptr, 0, nullptr);
}
