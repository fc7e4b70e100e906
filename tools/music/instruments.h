// The voices of the band. Each adds one event into a mix, starting at `start` seconds;
// anything that would fall past the end of the mix is dropped.
#pragma once
#include "music/synth.h"

#include <cstdint>
#include <span>

void kick(Mix& mix, double start, float gain);
void snare(Mix& mix, double start, float gain, std::uint32_t seed);
void hat(Mix& mix, double start, float gain, bool open, std::uint32_t seed);
void crash(Mix& mix, double start, float gain, std::uint32_t seed);

// A saw plucked by a closing filter, over a sine at the same pitch for weight.
void bassNote(Mix& mix, double start, double length, int note, float gain);

// A chord of pad voices, each two detuned saws spread left and right, through a soft
// low-pass at `cutoff` Hz, with a linear `attack` and a half-second release after `length`.
void padChord(Mix& mix, double start, double length, std::span<const int> notes, float gain,
              double attack, double cutoff);

// Mono voices for the echo bus: a singing pulse lead and a short bright pluck.
void leadNote(std::vector<float>& bus, double start, double length, int note, float gain);
void pluckNote(std::vector<float>& bus, double start, int note, float gain);

// The sync hit: a falling boom, a noise burst, a cymbal tail and a chord stab. It is choked
// (faded out) so it has died away by `start + room`, where the next hit lands.
void impact(Mix& mix, double start, double room, std::span<const int> chord, float gain,
            std::uint32_t seed);

// Band-passed noise sweeping up from `start` to `end`, cut off at `end`.
void riser(Mix& mix, double start, double end, float gain, std::uint32_t seed);
