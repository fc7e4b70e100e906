// The score: five sections that follow the show's scenes, and the hits that land on the
// show's beats. Everything is a constant table; the soundtrack only reads it.
#pragma once
#include <array>
#include <span>
#include <string_view>
#include <vector>

inline constexpr double songSeconds = 80.0;

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
inline constexpr int barsPerSection = 8;
inline constexpr int stepsPerBar = 16;

struct Section {
    double start, end;                        // seconds
    std::array<Chord, barsPerSection> chords; // one per bar
    // Sixteen-step patterns: 'x' a hit, 'o' a soft hit, '.' nothing.
    std::string_view kick, snare, hat, openHat;
    // Bass: 'r' root, 'o' octave, 'f' fifth, '-' silence, '.' holds the note before.
    std::string_view bass;
    int drumsFromBar, drumsUntilBar, hatsFromBar, bassFromBar;
    float padGain;
    double padAttack;                  // seconds
    double padCutoffFrom, padCutoffTo; // Hz, swept over the section
    float arpGain;                     // 0: no arpeggio
    int arpFromBar;
    std::span<const Note> lead; // a phrase repeated every leadRepeat steps
    int leadRepeat;
    bool crashAtStart, riserAtEnd;
};

std::span<const Section> sections();

// The section playing at `seconds` (the last one for times past the end).
const Section& sectionAt(double seconds);

// Seconds per sixteenth note in a section.
double stepSeconds(const Section& section);

// The chord sounding at `seconds`.
Chord chordAt(double seconds);

// The chord's three notes in close position in the octave from G3, for pads and stabs.
std::array<int, 3> voicing(Chord chord);

// The times of the sync hits, in order: the greetings' beats, then the closing landings.
std::vector<double> accentTimes();
