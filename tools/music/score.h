// The score: five sections that follow the show's scenes, and the hits that land on the
// show's beats. Everything is a constant table; the soundtrack only reads it.
#pragma once
#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace quorrin::music {

inline constexpr double kSongSeconds = 80.0;

struct Chord {
    int root; // MIDI note of the bass root, low octave
    bool minor;
};

// Steps are sixteenth notes counted from the start of the section.
struct Note {
    int step;
    int length;
    int note;
};

// Each section is eight bars of sixteen steps spread over its scene's time, so every
// scene change falls on a downbeat and each section has its own tempo.
inline constexpr int kBarsPerSection = 8;
inline constexpr int kStepsPerBar = 16;

struct Section {
    double start, end;                         // seconds
    std::array<Chord, kBarsPerSection> chords; // one per bar
    // Sixteen-step patterns: 'x' a hit, 'o' a soft hit, '.' nothing.
    std::string_view kick, snare, hat, open_hat;
    // Bass: 'r' root, 'o' octave, 'f' fifth, '-' silence, '.' holds the note before.
    std::string_view bass;
    int drums_from_bar, drums_until_bar, hats_from_bar, bass_from_bar;
    float pad_gain;
    double pad_attack;                     // seconds
    double pad_cutoff_from, pad_cutoff_to; // Hz, swept over the section
    float arp_gain;                        // 0: no arpeggio
    int arp_from_bar;
    std::span<const Note> lead; // a phrase repeated every lead_repeat steps
    int lead_repeat;
    bool crash_at_start, riser_at_end;
};

std::span<const Section> sections();

// The section playing at `seconds` (the last one for times past the end).
const Section& section_at(double seconds);

// Seconds per sixteenth note in a section.
double step_seconds(const Section& section);

// The chord sounding at `seconds`.
Chord chord_at(double seconds);

// The chord's three notes in close position in the octave from G3, for pads and stabs.
std::array<int, 3> voicing(Chord chord);

// The times of the sync hits, in order: the greetings' beats, then the closing landings.
std::vector<double> accent_times();

} // namespace quorrin::music
