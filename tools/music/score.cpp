#include "music/score.h"

#include <cmath>

namespace quorrin::music {

namespace {

// Bass roots in the octave from E1.
constexpr int A = 33, Bb = 34, C = 36, D = 38, E = 28, F = 29, G = 31;
constexpr Chord m(int root) {
    return {root, true};
}
constexpr Chord M(int root) {
    return {root, false};
}

// A4 = 69. The melody of the first full section: four bars over Am F C G.
constexpr Note kThemeLead[] = {
    {0, 4, 76},  {4, 2, 72},  {6, 2, 74},  {8, 4, 76},  {12, 4, 81}, {16, 6, 81},
    {22, 2, 79}, {24, 4, 77}, {28, 4, 76}, {32, 4, 79}, {36, 2, 76}, {38, 2, 79},
    {40, 8, 84}, {48, 6, 83}, {54, 2, 79}, {56, 4, 74}, {60, 4, 71},
};

// The closing melody: long notes that come to rest on A.
constexpr Note kClosingLead[] = {
    {0, 12, 76},  {12, 4, 74}, {16, 16, 72}, {32, 12, 79}, {44, 4, 76},  {48, 16, 74},
    {64, 12, 76}, {76, 4, 74}, {80, 16, 72}, {96, 8, 74},  {104, 8, 71}, {112, 16, 69},
};

constexpr Section kSections[] = {
    // Opening: the pad opens up, hats and bass join halfway, the kick two bars later.
    {.start = 0.0,
     .end = 16.6,
     .chords = {m(A), m(A), M(F), M(F), M(C), M(C), M(G), M(G)},
     .kick = "x...x...x...x...",
     .snare = "................",
     .hat = "..x...x...x...x.",
     .open_hat = "................",
     .bass = "r.......r.......",
     .drums_from_bar = 6,
     .drums_until_bar = 8,
     .hats_from_bar = 4,
     .bass_from_bar = 4,
     .pad_gain = 0.17f,
     .pad_attack = 2.0,
     .pad_cutoff_from = 350,
     .pad_cutoff_to = 2400,
     .arp_gain = 0.05f,
     .arp_from_bar = 2,
     .lead = {},
     .lead_repeat = 128,
     .crash_at_start = false,
     .riser_at_end = true},
    // Full groove with the theme.
    {.start = 16.6,
     .end = 33.3,
     .chords = {m(A), M(F), M(C), M(G), m(A), M(F), M(C), M(E)},
     .kick = "x...x...x...x...",
     .snare = "....x.......x...",
     .hat = "xo.oxo.oxo.oxo.o",
     .open_hat = "..x...x...x...x.",
     .bass = "r.r.o.r.r.r.o.f.",
     .drums_from_bar = 0,
     .drums_until_bar = 8,
     .hats_from_bar = 0,
     .bass_from_bar = 0,
     .pad_gain = 0.12f,
     .pad_attack = 0.25,
     .pad_cutoff_from = 1800,
     .pad_cutoff_to = 2600,
     .arp_gain = 0.0f,
     .arp_from_bar = 0,
     .lead = kThemeLead,
     .lead_repeat = 64,
     .crash_at_start = true,
     .riser_at_end = false},
    // Greetings: half-time and darker, leaving room for the hits.
    {.start = 33.3,
     .end = 50.2,
     .chords = {m(D), M(Bb), M(F), M(C), m(D), M(Bb), M(C), M(E)},
     .kick = "x.........x.....",
     .snare = "........x.......",
     .hat = "o.o.o.o.o.o.o.o.",
     .open_hat = "................",
     .bass = "r.......r...o...",
     .drums_from_bar = 0,
     .drums_until_bar = 8,
     .hats_from_bar = 0,
     .bass_from_bar = 0,
     .pad_gain = 0.15f,
     .pad_attack = 0.5,
     .pad_cutoff_from = 2600,
     .pad_cutoff_to = 2600,
     .arp_gain = 0.0f,
     .arp_from_bar = 0,
     .lead = {},
     .lead_repeat = 128,
     .crash_at_start = false,
     .riser_at_end = true},
    // Drive: faster, sixteenth hats and bass, an arpeggio on top.
    {.start = 50.2,
     .end = 64.2,
     .chords = {M(F), M(G), m(A), m(A), M(F), M(G), M(C), M(E)},
     .kick = "x...x...x...x.x.",
     .snare = "....x.......x..o",
     .hat = "xoxoxoxoxoxoxoxo",
     .open_hat = "................",
     .bass = "r.ro.rr.r.ro.rf.",
     .drums_from_bar = 0,
     .drums_until_bar = 8,
     .hats_from_bar = 0,
     .bass_from_bar = 0,
     .pad_gain = 0.11f,
     .pad_attack = 0.05,
     .pad_cutoff_from = 1500,
     .pad_cutoff_to = 4000,
     .arp_gain = 0.09f,
     .arp_from_bar = 0,
     .lead = {},
     .lead_repeat = 128,
     .crash_at_start = true,
     .riser_at_end = false},
    // Closing: the theme's chords again under a slow melody, thinning out and fading.
    {.start = 64.2,
     .end = 80.0,
     .chords = {m(A), M(F), M(C), M(G), m(A), M(F), M(G), m(A)},
     .kick = "x...x...x...x...",
     .snare = "....x.......x...",
     .hat = "..x...x...x...x.",
     .open_hat = "................",
     .bass = "r...r...r...r...",
     .drums_from_bar = 0,
     .drums_until_bar = 6,
     .hats_from_bar = 0,
     .bass_from_bar = 0,
     .pad_gain = 0.14f,
     .pad_attack = 0.6,
     .pad_cutoff_from = 2200,
     .pad_cutoff_to = 900,
     .arp_gain = 0.0f,
     .arp_from_bar = 0,
     .lead = kClosingLead,
     .lead_repeat = 128,
     .crash_at_start = true,
     .riser_at_end = false},
};

// The greetings scene starts at 33.3 s and lasts 16.9 s; its beats, as fractions of it.
constexpr double kGreetingsStart = 33.3, kGreetingsLength = 16.9;
constexpr double kGreetingsBeats[] = {0.0,   0.105, 0.119, 0.248, 0.353, 0.367, 0.48, 0.495,
                                      0.601, 0.615, 0.744, 0.849, 0.88,  0.90,  0.92};
// The closing credits start at 64.2 s and last 15.8 s; the four landings, likewise.
constexpr double kClosingStart = 64.2, kClosingLength = 15.8;
constexpr double kClosingLandings[] = {0.15, 0.18, 0.285, 0.315};

} // namespace

std::span<const Section> sections() {
    return kSections;
}

const Section& section_at(double seconds) {
    for (const Section& s : kSections)
        if (seconds < s.end) return s;
    return kSections[std::size(kSections) - 1];
}

double step_seconds(const Section& s) {
    return (s.end - s.start) / (kBarsPerSection * kStepsPerBar);
}

Chord chord_at(double seconds) {
    const Section& s = section_at(seconds);
    const double bar_length = step_seconds(s) * kStepsPerBar;
    int bar = static_cast<int>(std::floor((seconds - s.start) / bar_length));
    bar = bar < 0 ? 0 : (bar >= kBarsPerSection ? kBarsPerSection - 1 : bar);
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

std::vector<double> accent_times() {
    std::vector<double> out;
    for (const double b : kGreetingsBeats)
        out.push_back(kGreetingsStart + b * kGreetingsLength);
    for (const double b : kClosingLandings)
        out.push_back(kClosingStart + b * kClosingLength);
    return out;
}

} // namespace quorrin::music
