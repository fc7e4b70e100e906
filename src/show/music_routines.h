// The four things the show ever asks of its music: open, play, stop, close.
#pragma once
#include <cstdint>

inline constexpr const char* musicFile = "quorrin.wav";

void openMusic();
// Sent every frame: starts the track on the first, leaves it playing afterwards.
void playMusic();
// The viewer's controls: pause keeps the place; play from a moment of the show (whole
// milliseconds, the track's own time) goes there and plays.
void pauseMusic();
void playMusicFrom(std::uint32_t showMs);
void stopMusic();  // stop, then rewind
void closeMusic(); // stop and rewind, then close
