// The score against the show's timeline.
#include "music/score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(Score, SectionsChangeAtTheSceneChanges) {
    const double changes[] = {0.0, 16.6, 33.3, 50.2, 64.2, 80.0};
    ASSERT_EQ(sections().size(), 5u);
    for (std::size_t k = 0; k < sections().size(); ++k) {
        EXPECT_DOUBLE_EQ(sections()[k].start, changes[k]);
        EXPECT_DOUBLE_EQ(sections()[k].end, changes[k + 1]);
    }
}

TEST(Score, SectionsDifferInHarmonyOrGroove) {
    for (std::size_t k = 1; k < sections().size(); ++k) {
        const Section &a = sections()[k - 1], &b = sections()[k];
        bool chordsDiffer = false;
        for (std::size_t bar = 0; bar < a.chords.size(); ++bar)
            chordsDiffer = chordsDiffer || a.chords[bar].root != b.chords[bar].root ||
                           a.chords[bar].minor != b.chords[bar].minor;
        const bool grooveDiffers =
            a.kick != b.kick || a.snare != b.snare || a.hat != b.hat || a.bass != b.bass;
        EXPECT_TRUE(chordsDiffer || grooveDiffers) << "section " << k;
    }
}

TEST(Score, PatternsAreSixteenValidSteps) {
    for (const Section& s : sections()) {
        for (const std::string_view p : {s.kick, s.snare, s.hat, s.openHat}) {
            ASSERT_EQ(p.size(), 16u) << p;
            EXPECT_EQ(p.find_first_not_of("xo."), std::string_view::npos) << p;
        }
        ASSERT_EQ(s.bass.size(), 16u);
        EXPECT_EQ(s.bass.find_first_not_of("rof-."), std::string_view::npos) << s.bass;
        for (const Note& n : s.lead) {
            EXPECT_GE(n.step, 0);
            EXPECT_LE(n.step + n.length, s.leadRepeat);
            EXPECT_GE(n.note, 48);
            EXPECT_LE(n.note, 96);
        }
    }
}

TEST(Score, AccentsAreTheGreetingsBeatsAndTheClosingLandings) {
    const double greet[] = {0.0,   0.105, 0.119, 0.248, 0.353, 0.367, 0.48, 0.495,
                            0.601, 0.615, 0.744, 0.849, 0.88,  0.90,  0.92};
    const double land[] = {0.15, 0.18, 0.285, 0.315};
    const std::vector<double> got = accentTimes();
    ASSERT_EQ(got.size(), 19u);
    for (std::size_t k = 0; k < 15; ++k)
        EXPECT_NEAR(got[k], 33.3 + greet[k] * 16.9, 1e-9);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_NEAR(got[15 + k], 64.2 + 15.8 * land[k], 1e-9);
}

TEST(Score, ChordLookupFollowsTheBars) {
    const Section& s = sections()[1];
    const double bar = stepSeconds(s) * stepsPerBar;
    for (int k = 0; k < barsPerSection; ++k) {
        const Chord c = chordAt(s.start + (k + 0.5) * bar);
        EXPECT_EQ(c.root, s.chords[std::size_t(k)].root) << k;
    }
    EXPECT_EQ(chordAt(79.99).root, sections().back().chords.back().root);
}

TEST(Score, VoicingIsAClosedTriadAroundMiddleC) {
    const std::array<int, 3> am = voicing({33, true}); // A minor: A C E
    const std::array<int, 3> c = voicing({36, false}); // C major: C E G
    for (const int n : am)
        EXPECT_TRUE(n >= 55 && n < 67) << n;
    EXPECT_EQ(am[0] % 12, 9);
    EXPECT_EQ(am[1] % 12, 0);
    EXPECT_EQ(am[2] % 12, 4);
    EXPECT_EQ(c[0] % 12, 0);
    EXPECT_EQ(c[1] % 12, 4);
    EXPECT_EQ(c[2] % 12, 7);
}
