// The music device: takes one text command at a time, such as "Play quorrin.wav".
// Results are never reported: a track that cannot be played leaves the show silent.
#pragma once

void sendMusicCommand(const char* command);
