// The music commands as the show sends them, and what else a caller might send.
#include "platform/music_command.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

static MusicCommand parse(const std::string& text) {
    return parseMusicCommand(text.c_str(), 64);
}

TEST(MusicCommand, TheShowsOwnCommands) {
    EXPECT_EQ(parse("Open quorrin.wav").verb, MusicVerb::open);
    EXPECT_EQ(parse("Open quorrin.wav").file, "quorrin.wav");
    EXPECT_EQ(parse("Play quorrin.wav").verb, MusicVerb::play);
    EXPECT_EQ(parse("Stop quorrin.wav").verb, MusicVerb::stop);
    EXPECT_EQ(parse("Seek quorrin.wav to start").verb, MusicVerb::seekToStart);
    EXPECT_EQ(parse("Seek quorrin.wav to start").file, "quorrin.wav");
    EXPECT_EQ(parse("Close quorrin.wav").verb, MusicVerb::close);
}

TEST(MusicCommand, TheViewersPauseAndPlayFromAMoment) {
    EXPECT_EQ(parse("Pause quorrin.wav").verb, MusicVerb::pause);
    const MusicCommand from = parse("Play quorrin.wav from 33300");
    EXPECT_EQ(from.verb, MusicVerb::playFrom);
    EXPECT_EQ(from.file, "quorrin.wav");
    EXPECT_EQ(from.fromMs, 33300u);
    EXPECT_EQ(parse("play a.wav FROM 0").fromMs, 0u);
    EXPECT_EQ(parse("Play a.wav from 4294967295").fromMs, 4294967295u);
    for (const char* text : {"Play a.wav from", "Play a.wav from -5", "Play a.wav from 12ms",
                             "Play a.wav from 4294967296", "Play a.wav at 100", "Pause"})
        EXPECT_EQ(parse(text).verb, MusicVerb::invalid) << '"' << text << '"';
}

TEST(MusicCommand, VerbsIgnoreCaseAndSpacingButNamesKeepTheirCase) {
    EXPECT_EQ(parse("pLAY   Quorrin.WAV ").verb, MusicVerb::play);
    EXPECT_EQ(parse("pLAY   Quorrin.WAV ").file, "Quorrin.WAV");
    EXPECT_EQ(parse("\tSEEK a.wav TO Start").verb, MusicVerb::seekToStart);
}

TEST(MusicCommand, AnythingElseIsInvalid) {
    for (const char* text : {"", " ", "Play", "Play a b", "Rewind a.wav", "Seek a.wav to end",
                             "Seek a.wav start", "Open", "Opena.wav", "Seek a.wav to start now"})
        EXPECT_EQ(parse(text).verb, MusicVerb::invalid) << '"' << text << '"';
    EXPECT_EQ(parseMusicCommand(nullptr, 64).verb, MusicVerb::invalid);
}

TEST(MusicCommand, ReadsNoFurtherThanTheBufferWithoutATerminator) {
    char buffer[16];
    std::memcpy(buffer, "Play abcdefghijk", 16); // no terminator anywhere inside
    const MusicCommand command = parseMusicCommand(buffer, sizeof buffer);
    EXPECT_EQ(command.verb, MusicVerb::play);
    EXPECT_EQ(command.file, "abcdefghijk");
    const std::string longName = "Play " + std::string(200, 'x');
    EXPECT_EQ(parseMusicCommand(longName.c_str(), 64).file, std::string(59, 'x'));
}

// A device that is not C++ takes each command by its verb's name: every verb has one name of
// its own, the list names them all, and only the opened track's commands are for a device.
TEST(MusicCommand, EachVerbHasANameOfItsOwnAndOnlyTheOpenTrackIsCommanded) {
    const std::string names = musicVerbNames();
    std::set<std::string> seen;
    for (const MusicVerb verb : {MusicVerb::open, MusicVerb::play, MusicVerb::playFrom,
                                 MusicVerb::pause, MusicVerb::stop, MusicVerb::seekToStart,
                                 MusicVerb::close}) {
        const std::string name = musicVerbName(verb);
        EXPECT_TRUE(seen.insert(name).second) << name;
        EXPECT_NE((" " + names + " ").find(" " + name + " "), std::string::npos) << name;
    }
    EXPECT_EQ(std::string(musicVerbName(MusicVerb::invalid)), "");
    EXPECT_EQ(std::count(names.begin(), names.end(), ' '), 6);
    EXPECT_TRUE(isForOpenTrack(parse("Play a.wav"), "a.wav"));
    EXPECT_FALSE(isForOpenTrack(parse("Play b.wav"), "a.wav"));
    EXPECT_FALSE(isForOpenTrack(parse("Play a.wav"), ""));
    EXPECT_FALSE(isForOpenTrack(parse("Rewind a.wav"), "a.wav"));
}
