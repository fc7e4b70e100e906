// The music in a page, through Web Audio: the page decodes the soundtrack before the show
// starts (web/music.js), and the show's commands start, move, pause and stop its playing.
// As with the native device, results are not reported: without a decoded track, or with
// the browser's sound held back, the show is silent.
#include "platform/music.h"
#include "platform/music_command.h"

#include <emscripten.h>
#include <string>

// The verbs as the page's player takes them.
EM_JS(void, commandPagePlayer, (int verb, unsigned fromMs), {
    if (Module.music) Module.music.command(verb, fromMs);
});
EM_JS(int, pagePlayerHasTrack, (), { return Module.music && Module.music.buffer ? 1 : 0; });

static std::string openTrack; // the one file opened, as the native device keeps it

void sendMusicCommand(const char* text) {
    const MusicCommand command = parseMusicCommand(text, 64);
    if (command.verb == MusicVerb::open) {
        if (openTrack.empty() && pagePlayerHasTrack()) openTrack = command.file;
        return;
    }
    if (command.verb == MusicVerb::invalid || openTrack.empty() || command.file != openTrack)
        return;
    if (command.verb == MusicVerb::close) openTrack.clear();
    commandPagePlayer(static_cast<int>(command.verb), command.fromMs);
}
