// The capture tool's command line: what it accepts, and the one-line refusals.
#include "programs/capture/capture_options.h"

#include <gtest/gtest.h>

static ParsedOptions parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "quorrin-capture");
    return parseCaptureOptions(static_cast<int>(arguments.size()), arguments.data());
}

static std::string errorOf(std::vector<const char*> arguments) {
    return parse(std::move(arguments)).error;
}

TEST(CaptureOptions, DefaultsForAVideo) {
    const ParsedOptions parsed = parse({"--mp4", "out.mp4"});
    ASSERT_EQ(parsed.error, "");
    const CaptureOptions& o = parsed.options;
    EXPECT_EQ(o.mode, CaptureMode::mp4);
    EXPECT_EQ(o.target, "out.mp4");
    EXPECT_EQ(o.fromMs, 0u);
    EXPECT_EQ(o.toMs, 80000u);
    EXPECT_EQ(o.width, 1280);
    EXPECT_EQ(o.height, 720);
    EXPECT_EQ(o.fps, 60u);
    EXPECT_EQ(o.msaa, 0);
}

TEST(CaptureOptions, ValuesAsNextArgumentOrAfterEquals) {
    const ParsedOptions parsed =
        parse({"--png=frames", "--from", "16600", "--to=20000", "--size", "3840x2160", "--fps=30",
               "--msaa", "4", "--preset", "slow", "--crf=23"});
    ASSERT_EQ(parsed.error, "");
    const CaptureOptions& o = parsed.options;
    EXPECT_EQ(o.mode, CaptureMode::png);
    EXPECT_EQ(o.target, "frames");
    EXPECT_EQ(o.fromMs, 16600u);
    EXPECT_EQ(o.toMs, 20000u);
    EXPECT_EQ(o.width, 3840);
    EXPECT_EQ(o.height, 2160);
    EXPECT_EQ(o.fps, 30u);
    EXPECT_EQ(o.msaa, 4);
    EXPECT_EQ(o.preset, "slow");
    EXPECT_EQ(o.crf, 23);
}

TEST(CaptureOptions, StillsAndStoryboards) {
    ParsedOptions parsed = parse({"--png", "d", "--still", "0,20000,79999"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.stillsMs, (std::vector<std::uint32_t>{0, 20000, 79999}));
    // A storyboard's tiles are small unless a size is asked for.
    parsed = parse({"--storyboard", "b.png"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.width, 320);
    EXPECT_EQ(parsed.options.height, 240);
    parsed = parse({"--storyboard", "b.png", "--size", "400x300"});
    EXPECT_EQ(parsed.options.width, 400);
    EXPECT_EQ(defaultStoryboardStills().size(), 12u);
}

TEST(CaptureOptions, SizeLimits) {
    EXPECT_EQ(errorOf({"--bench", "--size", "16x16"}), "");
    EXPECT_EQ(errorOf({"--bench", "--size", "3841x2160"}),
              "--size 3841x2160 is too large: at most 3840x2160");
    EXPECT_EQ(errorOf({"--bench", "--size", "3840x2161"}),
              "--size 3840x2161 is too large: at most 3840x2160");
    EXPECT_EQ(errorOf({"--bench", "--size", "15x240"}),
              "--size 15x240 is too small: at least 16x16");
    EXPECT_NE(errorOf({"--bench", "--size", "640"}), "");
    EXPECT_NE(errorOf({"--bench", "--size", "-640x480"}), "");
    EXPECT_NE(errorOf({"--bench", "--size", "640x480x3"}), "");
    // yuv420p halves the colour both ways: odd sizes cannot be encoded.
    EXPECT_NE(errorOf({"--mp4", "a.mp4", "--size", "641x480"}), "");
    EXPECT_EQ(errorOf({"--png", "d", "--size", "641x481"}), "");
}

TEST(CaptureOptions, RangeLimits) {
    EXPECT_EQ(errorOf({"--bench", "--from", "79999", "--to", "80000"}), "");
    EXPECT_EQ(errorOf({"--bench", "--to", "80001"}),
              "--to 80001 is outside the show (0 to 80000 ms)");
    EXPECT_EQ(errorOf({"--bench", "--from", "80000"}),
              "--from 80000 is outside the show (0 to 80000 ms, end excluded)");
    EXPECT_EQ(errorOf({"--bench", "--from", "5000", "--to", "5000"}),
              "--from 5000 must come before --to 5000");
    EXPECT_NE(errorOf({"--bench", "--from", "-1"}), "");
    EXPECT_NE(errorOf({"--bench", "--from", "1.5"}), "");
    EXPECT_NE(errorOf({"--png", "d", "--still", "80000"}), "");
    EXPECT_NE(errorOf({"--png", "d", "--still", "10,,20"}), "");
    EXPECT_NE(errorOf({"--png", "d", "--still", "10,"}), "");
}

TEST(CaptureOptions, OtherBadValues) {
    EXPECT_NE(errorOf({"--bench", "--fps", "0"}), "");
    EXPECT_NE(errorOf({"--bench", "--fps", "241"}), "");
    EXPECT_NE(errorOf({"--bench", "--msaa", "3"}), "");
    EXPECT_NE(errorOf({"--bench", "--msaa", "32"}), ""); // more than --help offers
    EXPECT_EQ(errorOf({"--bench=1"}), "--bench takes no value (see --help)");
    EXPECT_EQ(errorOf({"--bench", "--msaa", "1"}), ""); // one sample is no multisampling
    EXPECT_EQ(parse({"--bench", "--msaa", "1"}).options.msaa, 0);
    EXPECT_NE(errorOf({"--mp4", "a.mp4", "--preset", "quick"}), "");
    EXPECT_NE(errorOf({"--mp4", "a.mp4", "--crf", "52"}), "");
}

TEST(CaptureOptions, CommandLinesThatMakeNoSense) {
    EXPECT_EQ(errorOf({"--frobnicate"}), "unknown option --frobnicate (see --help)");
    EXPECT_EQ(errorOf({"--bench", "--frobnicate", "3"}),
              "unknown option --frobnicate (see --help)");
    EXPECT_EQ(errorOf({"-x"}), "unexpected argument -x (see --help)");
    EXPECT_EQ(errorOf({"out.mp4"}), "unexpected argument out.mp4 (see --help)");
    EXPECT_EQ(errorOf({"--mp4"}), "--mp4 needs a value (see --help)");
    EXPECT_NE(errorOf({}), "");                                   // nothing to do
    EXPECT_NE(errorOf({"--mp4", "a.mp4", "--png", "d"}), "");     // two outputs
    EXPECT_NE(errorOf({"--mp4", "a.mp4", "--still", "100"}), ""); // stills need pictures
    EXPECT_NE(errorOf({"--png", "d", "--still", "1", "--from", "0"}), "");
    EXPECT_NE(errorOf({"--png", ""}), "");
}

TEST(CaptureOptions, HelpWinsAndTellsTheRoundingRule) {
    const ParsedOptions parsed = parse({"--help"});
    EXPECT_TRUE(parsed.options.help);
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parse({"--mp4", "a.mp4", "-h"}).options.help);
    EXPECT_NE(captureUsage().find("rounded to the nearest whole millisecond"), std::string::npos);
}

TEST(CaptureOptions, AspectKeepsTheFourByThreePictureUnlessFillIsAsked) {
    const PictureArea kept = captureFrame(parse({"--mp4", "a.mp4"}).options).picture;
    EXPECT_EQ(kept.x, 160);
    EXPECT_EQ(kept.width, 960);
    EXPECT_EQ(kept.height, 720);
    const PictureArea filled =
        captureFrame(parse({"--mp4", "a.mp4", "--aspect=fill"}).options).picture;
    EXPECT_EQ(filled.x, 0);
    EXPECT_EQ(filled.width, 1280);
    EXPECT_EQ(filled.height, 720);
    const PictureArea tall =
        captureFrame(parse({"--png", "d", "--aspect", "keep", "--size", "960x960"}).options)
            .picture;
    EXPECT_EQ(tall.y, 120);
    EXPECT_EQ(tall.height, 720);
    EXPECT_EQ(errorOf({"--bench", "--aspect", "wide"}),
              "--aspect wants keep (the 4:3 picture between black bars) or fill (stretched)");
}
