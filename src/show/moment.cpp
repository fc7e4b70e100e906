#include "show/moment.h"

#include "show/music_routines.h"
#include "show/scene_table.h"
#include "show/sequencer.h"
#include "show/show_clock.h"
#include "show/show_state.h"

void goToMoment(std::uint32_t showMs, bool paused) {
    if (showMs >= showEndMs) endShow();
    carryShowTo(showMs, carryFrameRate);
    if (paused && !showTimePaused()) {
        pauseShowTime();
        pauseMusic();
    }
    if (!paused) resumeShowTime();
    setShowTime(showMs); // paused: the paused moment becomes showMs
    if (!paused) playMusicFrom(showMs);
}
