// The four things the show ever asks of its music: open, play, stop, close.
#pragma once

inline constexpr const char* musicFile = "quorrin.wav";

void openMusic();
// Sent every frame: starts the track on the first, leaves it playing afterwards.
void playMusic();
void stopMusic();  // stop, then rewind
void closeMusic(); // stop and rewind, then close
