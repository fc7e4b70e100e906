// The music in a page, through Web Audio: the page decodes the soundtrack before the show
// starts (its music.js), and the show's commands start, move, pause and stop its playing.
// As with the native device, results are not reported: without a decoded track, or with
// the browser's sound held back, the show is silent.
#include "platform/music.h"
#include "platform/music_command.h"

#include <emscripten.h>
#include <string>

// The page's player takes each verb by its name (musicVerbName), so the two sides can
// never disagree on an order; the page checks it has every name musicVerbNames gives.
EM_JS(void, commandPagePlayer, (const char* verb, unsigned fromMs), {
    if (Module.music) Module.music.command(UTF8ToString(verb), fromMs);
});
EM_JS(int, pagePlayerHasTrack, (), { return Module.music && Module.music.buffer ? 1 : 0; });

static std::string openTrack; // the one file opened, as the native device keeps it

void sendMusicCommand(const char* text) {
    const MusicCommand command = parseMusicCommand(text, 64);
    if (command.verb == MusicVerb::open) {
        if (openTrack.empty() && pagePlayerHasTrack()) openTrack = command.file;
        return;
    }
    if (!isForOpenTrack(command, openTrack)) return;
    if (command.verb == MusicVerb::close) openTrack.clear();
    commandPagePlayer(musicVerbName(command.verb), command.fromMs);
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* pageMusicVerbNames() {
    return musicVerbNames();
}
