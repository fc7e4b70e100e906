#include "music/score.h"

#include <cmath>

// The chords of the score, their bass roots in the octave from E1.
static constexpr Chord aMinor{33, true}, dMinor{38, true};
static constexpr Chord bFlatMajor{34, false}, cMajor{36, false}, eMajor{28, false},
    fMajor{29, false}, gMajor{31, false};

// A4 = 69. The melody of the first full section: four bars over Am F C G.
static constexpr Note themeLead[] = {
    {0, 4, 76},  {4, 2, 72},  {6, 2, 74},  {8, 4, 76},  {12, 4, 81}, {16, 6, 81},
    {22, 2, 79}, {24, 4, 77}, {28, 4, 76}, {32, 4, 79}, {36, 2, 76}, {38, 2, 79},
    {40, 8, 84}, {48, 6, 83}, {54, 2, 79}, {56, 4, 74}, {60, 4, 71},
};

// The closing melody: long notes that come to rest on A.
static constexpr Note closingLead[] = {
    {0, 12, 76},  {12, 4, 74}, {16, 16, 72}, {32, 12, 79}, {44, 4, 76},  {48, 16, 74},
    {64, 12, 76}, {76, 4, 74}, {80, 16, 72}, {96, 8, 74},  {104, 8, 71}, {112, 16, 69},
};

static constexpr Section scoreSections[] = {
    // Opening: the pad opens up, hats and bass join halfway, the kick two bars later.
    {.start = 0.0,
     .end = 16.6,
     .chords = {aMinor, aMinor, fMajor, fMajor, cMajor, cMajor, gMajor, gMajor},
     .kick = "x...x...x...x...",
     .snare = "................",
     .hat = "..x...x...x...x.",
     .openHat = "................",
     .bass = "r.......r.......",
     .drumsFromBar = 6,
     .drumsUntilBar = 8,
     .hatsFromBar = 4,
     .bassFromBar = 4,
     .padGain = 0.17f,
     .padAttack = 2.0,
     .padCutoffFrom = 350,
     .padCutoffTo = 2400,
     .arpGain = 0.05f,
     .arpFromBar = 2,
     .lead = {},
     .leadRepeat = 128,
     .crashAtStart = false,
     .riserAtEnd = true},
    // Full groove with the theme.
    {.start = 16.6,
     .end = 33.3,
     .chords = {aMinor, fMajor, cMajor, gMajor, aMinor, fMajor, cMajor, eMajor},
     .kick = "x...x...x...x...",
     .snare = "....x.......x...",
     .hat = "xo.oxo.oxo.oxo.o",
     .openHat = "..x...x...x...x.",
     .bass = "r.r.o.r.r.r.o.f.",
     .drumsFromBar = 0,
     .drumsUntilBar = 8,
     .hatsFromBar = 0,
     .bassFromBar = 0,
     .padGain = 0.12f,
     .padAttack = 0.25,
     .padCutoffFrom = 1800,
     .padCutoffTo = 2600,
     .arpGain = 0.0f,
     .arpFromBar = 0,
     .lead = themeLead,
     .leadRepeat = 64,
     .crashAtStart = true,
     .riserAtEnd = false},
    // Greetings: half-time and darker, leaving room for the hits.
    {.start = 33.3,
     .end = 50.2,
     .chords = {dMinor, bFlatMajor, fMajor, cMajor, dMinor, bFlatMajor, cMajor, eMajor},
     .kick = "x.........x.....",
     .snare = "........x.......",
     .hat = "o.o.o.o.o.o.o.o.",
     .openHat = "................",
     .bass = "r.......r...o...",
     .drumsFromBar = 0,
     .drumsUntilBar = 8,
     .hatsFromBar = 0,
     .bassFromBar = 0,
     .padGain = 0.15f,
     .padAttack = 0.5,
     .padCutoffFrom = 2600,
     .padCutoffTo = 2600,
     .arpGain = 0.0f,
     .arpFromBar = 0,
     .lead = {},
     .leadRepeat = 128,
     .crashAtStart = false,
     .riserAtEnd = true},
    // Drive: faster, sixteenth hats and bass, an arpeggio on top.
    {.start = 50.2,
     .end = 64.2,
     .chords = {fMajor, gMajor, aMinor, aMinor, fMajor, gMajor, cMajor, eMajor},
     .kick = "x...x...x...x.x.",
     .snare = "....x.......x..o",
     .hat = "xoxoxoxoxoxoxoxo",
     .openHat = "................",
     .bass = "r.ro.rr.r.ro.rf.",
     .drumsFromBar = 0,
     .drumsUntilBar = 8,
     .hatsFromBar = 0,
     .bassFromBar = 0,
     .padGain = 0.11f,
     .padAttack = 0.05,
     .padCutoffFrom = 1500,
     .padCutoffTo = 4000,
     .arpGain = 0.09f,
     .arpFromBar = 0,
     .lead = {},
     .leadRepeat = 128,
     .crashAtStart = true,
     .riserAtEnd = false},
    // Closing: the theme's chords again under a slow melody, thinning out and fading.
    {.start = 64.2,
     .end = 80.0,
     .chords = {aMinor, fMajor, cMajor, gMajor, aMinor, fMajor, gMajor, aMinor},
     .kick = "x...x...x...x...",
     .snare = "....x.......x...",
     .hat = "..x...x...x...x.",
     .openHat = "................",
     .bass = "r...r...r...r...",
     .drumsFromBar = 0,
     .drumsUntilBar = 6,
     .hatsFromBar = 0,
     .bassFromBar = 0,
     .padGain = 0.14f,
     .padAttack = 0.6,
     .padCutoffFrom = 2200,
     .padCutoffTo = 900,
     .arpGain = 0.0f,
     .arpFromBar = 0,
     .lead = closingLead,
     .leadRepeat = 128,
     .crashAtStart = true,
     .riserAtEnd = false},
};

// The greetings scene starts at 33.3 s and lasts 16.9 s; its beats, as fractions of it.
static constexpr double greetingsStart = 33.3, greetingsLength = 16.9;
static constexpr double greetingsBeats[] = {0.0,   0.105, 0.119, 0.248, 0.353, 0.367, 0.48, 0.495,
                                            0.601, 0.615, 0.744, 0.849, 0.88,  0.90,  0.92};
// The closing credits start at 64.2 s and last 15.8 s; the four landings, likewise.
static constexpr double closingStart = 64.2, closingLength = 15.8;
static constexpr double closingLandings[] = {0.15, 0.18, 0.285, 0.315};

std::span<const Section> sections() {
    return scoreSections;
}

const Section& sectionAt(double seconds) {
    for (const Section& s : scoreSections)
        if (seconds < s.end) return s;
    return scoreSections[std::size(scoreSections) - 1];
}

double stepSeconds(const Section& s) {
    return (s.end - s.start) / (barsPerSection * stepsPerBar);
}

Chord chordAt(double seconds) {
    const Section& s = sectionAt(seconds);
    const double barLength = stepSeconds(s) * stepsPerBar;
    int bar = static_cast<int>(std::floor((seconds - s.start) / barLength));
    bar = bar < 0 ? 0 : (bar >= barsPerSection ? barsPerSection - 1 : bar);
    return s.chords[static_cast<std::size_t>(bar)];
}

std::array<int, 3> voicing(Chord chord) {
    const int intervals[3] = {0, chord.minor ? 3 : 4, 7};
    std::array<int, 3> out{};
    for (int k = 0; k < 3; ++k) {
        int n = chord.root + intervals[k];
        while (n < 55)
            n += 12; // G3
        while (n >= 67)
            n -= 12;
        out[static_cast<std::size_t>(k)] = n;
    }
    return out;
}

std::vector<double> accentTimes() {
    std::vector<double> out;
    for (const double b : greetingsBeats)
        out.push_back(greetingsStart + b * greetingsLength);
    for (const double b : closingLandings)
        out.push_back(closingStart + b * closingLength);
    return out;
}
