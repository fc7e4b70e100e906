// The soundtrack as a file and as sound: header, length, level, shape and the hits.
#include "file_reading.h"
#include "music/soundtrack.h"
#include "music/wav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

static constexpr std::size_t expectedFrames = 80 * 44100;

// Rendered once per test process.
static const std::vector<std::int16_t>& song() {
    static const std::vector<std::int16_t> samples = renderSoundtrack();
    return samples;
}

// Root mean square of both channels over [from, to) seconds.
static double rms(double from, double to) {
    const auto& s = song();
    const auto first = std::size_t(std::lround(from * 44100));
    const auto last = std::min(expectedFrames, std::size_t(std::lround(to * 44100)));
    double sum = 0;
    for (std::size_t i = first; i < last; ++i)
        sum += double(s[2 * i]) * s[2 * i] + double(s[2 * i + 1]) * s[2 * i + 1];
    return std::sqrt(sum / (2.0 * double(std::max<std::size_t>(1, last - first))));
}

static std::vector<double> requiredAccents() {
    std::vector<double> out;
    for (const double b : {0.0, 0.105, 0.119, 0.248, 0.353, 0.367, 0.48, 0.495, 0.601, 0.615, 0.744,
                           0.849, 0.88, 0.90, 0.92})
        out.push_back(33.3 + b * 16.9);
    for (const double b : {0.15, 0.18, 0.285, 0.315})
        out.push_back(64.2 + 15.8 * b);
    return out;
}

TEST(Wav, HeaderIsCanonicalSixteenBitStereo) {
    const std::vector<std::int16_t> samples = {1, -1, 300, -300, 32767, -32768};
    const auto file = encodeWav(samples, 2, 44100);
    ASSERT_EQ(file.size(), 44u + 12);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(le32(file, 4), 36u + 12);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le32(file, 16), 16u);
    EXPECT_EQ(le16(file, 20), 1u);
    EXPECT_EQ(le16(file, 22), 2u);
    EXPECT_EQ(le32(file, 24), 44100u);
    EXPECT_EQ(le32(file, 28), 44100u * 4);
    EXPECT_EQ(le16(file, 32), 4u);
    EXPECT_EQ(le16(file, 34), 16u);
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
    EXPECT_EQ(le32(file, 40), 12u);
    for (std::size_t k = 0; k < samples.size(); ++k)
        EXPECT_EQ(std::int16_t(le16(file, 44 + 2 * k)), samples[k]) << k;
}

TEST(Wav, RefusesHalfFrames) {
    const std::vector<std::int16_t> odd = {1, 2, 3};
    EXPECT_THROW(encodeWav(odd, 2, 44100), std::invalid_argument);
}

TEST(Soundtrack, LastsExactlyEightySeconds) {
    ASSERT_EQ(song().size(), expectedFrames * 2);
    const auto file = encodeWav(song(), channelCount, sampleRate);
    EXPECT_EQ(le32(file, 40), 80u * 44100 * 4);
    EXPECT_EQ(file.size(), 44u + 80 * 44100 * 4);
    EXPECT_EQ(le32(file, 4), file.size() - 8);
}

TEST(Soundtrack, IsTheSameToTheByteEveryTime) {
    EXPECT_TRUE(renderSoundtrack() == song());
}

TEST(Soundtrack, PeakStaysBelowFullScaleButUsesTheRange) {
    int peak = 0;
    for (const std::int16_t s : song())
        peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 32000);
    EXPECT_GT(peak, 24000);
}

TEST(Soundtrack, EndsInSilenceAfterAFade) {
    EXPECT_EQ(song()[2 * expectedFrames - 2], 0);
    EXPECT_EQ(song()[2 * expectedFrames - 1], 0);
    EXPECT_LT(rms(79.95, 80.0), 3.0);
    // Loud before the fade, then quieter second by second.
    EXPECT_GT(rms(72.0, 74.0), 1500);
    double before = rms(73.0, 74.0);
    for (double t = 74.0; t < 80.0; t += 1.0) {
        const double now = rms(t, t + 1.0);
        EXPECT_LT(now, before) << t;
        before = now;
    }
}

TEST(Soundtrack, EverySectionIsPlaying) {
    const double starts[] = {0.0, 16.6, 33.3, 50.2, 64.2, 80.0};
    for (int k = 0; k < 5; ++k) {
        const double mid = (starts[k] + starts[k + 1]) / 2;
        EXPECT_GT(rms(mid - 2, mid + 2), 1000) << "section " << k; // about -30 dBFS
    }
    // The opening builds up from a quiet pad.
    EXPECT_LT(rms(0.5, 2.5), rms(12.0, 14.0) / 2);
}

TEST(Soundtrack, EachAccentJumpsAboveWhatLeadsIntoIt) {
    // 40 ms after each hit against the 40 ms before it: hits just a few hundred
    // milliseconds apart must each stand out on their own.
    for (const double t : requiredAccents()) {
        const double before = rms(t - 0.04, t), after = rms(t, t + 0.04);
        EXPECT_GT(after, 3.0 * before) << "accent at " << t << " s";
        EXPECT_GT(after, 4000) << "accent at " << t << " s";
    }
}

TEST(Soundtrack, AccentsAreNotEverywhere) {
    // The same measure between the hits mostly finds no such jump, so the test above
    // sees the hits and not just the beat.
    int jumps = 0, probes = 0;
    for (double t = 1.0; t < 79.0; t += 0.1234) {
        bool nearAccent = false;
        for (const double a : requiredAccents())
            nearAccent = nearAccent || std::fabs(t - a) < 0.1;
        if (nearAccent) continue;
        ++probes;
        jumps += rms(t, t + 0.04) > 3.0 * rms(t - 0.04, t) && rms(t, t + 0.04) > 4000;
    }
    EXPECT_LT(jumps, probes / 20);
}

TEST(Soundtrack, BothChannelsCarrySoundAndDiffer) {
    double left = 0, right = 0, diff = 0;
    for (std::size_t i = 20 * 44100; i < 30 * 44100; ++i) {
        const double l = song()[2 * i], r = song()[2 * i + 1];
        left += l * l;
        right += r * r;
        diff += (l - r) * (l - r);
    }
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);
    EXPECT_GT(diff, 0.01 * (left + right)); // stereo, not two copies of one channel
}

TEST(MusicTool, WritesTheSoundtrackAndRejectsBadUsage) {
    TempFolder out("music-tool");
    const std::string tool = QUORRIN_MAKE_MUSIC_EXE;
    EXPECT_NE(std::system((tool + " 2>/dev/null").c_str()), 0);
    const std::filesystem::path wav = out.path / "quorrin.wav";
    ASSERT_EQ(std::system((tool + " '" + wav.string() + "'").c_str()), 0);
    EXPECT_EQ(readBytes(wav), encodeWav(song(), 2, 44100));
}
