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
static bool playing;          // asked to play, and not paused, stopped or moved since

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
    const bool forOpenTrack = isForOpenTrack(command, openTrack);
    // The show asks for its music to play at every frame, as a device that is already
    // playing goes on where it is. MCI's play starts the wave device over from where it is,
    // a gap in the sound and a long wait each time: a track already playing is left to play.
    if (command.verb == MusicVerb::play && forOpenTrack && playing) return;
    if (forOpenTrack)
        playing = command.verb == MusicVerb::play || command.verb == MusicVerb::playFrom;
    if (command.verb == MusicVerb::close && forOpenTrack) openTrack.clear();
    mciSendStringA(text, nullptr, 0, nullptr);
}
