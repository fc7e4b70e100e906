// The 29 pictures as files: names, formats the loader relies on, and what each must show.
#include "file_reading.h"
#include "pictures/catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>

// Name and depth of every picture the show loads.
static const std::map<std::string, int> requiredPictures = {
    {"pNoise4", 8},       {"pNoise", 8},    {"cube", 32},       {"bankin1", 24}, {"back2", 24},
    {"back2_scene3", 24}, {"shine2", 8},    {"code", 24},       {"music", 24},   {"tobbin", 24},
    {"mirrel", 24},       {"2005", 24},     {"greeting", 24},   {"pollick", 24}, {"vistrel", 24},
    {"mundelo", 24},      {"KALVENDO", 24}, {"ferrowen", 24},   {"grumet", 24},  {"hollin", 24},
    {"quillet", 24},      {"title", 32},    {"tondra", 24},     {"brisel", 24},  {"sarvent", 24},
    {"string", 24},       {"rock", 24},     {"orvetParty", 24}, {"summer", 24}};

static const std::map<std::string, std::string> requiredCaptions = {
    {"orvetParty", "ORVET PARTY"},
    {"2005", "2005"},
    {"summer", "SUMMER"},
    {"greeting", "GREETINGS"},
    {"mundelo", "MUNDELO"},
    {"brisel", "BRISEL"},
    {"quillet", "QUILLET"},
    {"tondra", "TONDRA"},
    {"ferrowen", "FERROWEN"},
    {"pollick", "POLLICK"},
    {"sarvent", "SARVENT"},
    {"grumet", "GRUMET"},
    {"KALVENDO", "KALVENDO"},
    {"vistrel", "VISTREL"},
    {"hollin", "HOLLIN"},
    {"code", "CODE"},
    {"music", "MUSIC"},
    {"tobbin", "TOBBIN"},
    {"mirrel", "MIRREL"},
    {"title", "QUORRIN"},
};

static bool powerOfTwo(std::uint32_t v) {
    return v != 0 && (v & (v - 1)) == 0;
}

// All pictures written once per test process through the same call the tool makes.
static const std::filesystem::path& written() {
    static TempFolder folder("pictures");
    static const bool done = (writePictures(folder.path), true);
    (void)done;
    return folder.path;
}

static Picture load(const std::string& name) {
    return decode(readBytes(written() / "image" / (name + ".bmp")));
}

// Distance from the border to the nearest pixel brighter than `level`; -1 if none is.
static int clearBorder(const Picture& p, int level) {
    int nearest = -1;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.brightest(x, y) > level) {
                const int d = std::min({x, y, p.width - 1 - x, p.height - 1 - y});
                nearest = nearest < 0 ? d : std::min(nearest, d);
            }
    return nearest;
}

static int countBrighter(const Picture& p, int level) {
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            n += p.brightest(x, y) > level;
    return n;
}

static double meanBrightness(const Picture& p) {
    double sum = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            sum += (p.r(x, y) + p.g(x, y) + p.b(x, y)) / 3.0;
    return sum / (double(p.width) * p.height * 255);
}

static bool cornerBlocksBlack(const Picture& p, int block) {
    for (int y = 0; y < block; ++y)
        for (int x = 0; x < block; ++x)
            for (const auto& [cx, cy] : {std::pair{x, y},
                                         {p.width - 1 - x, y},
                                         {x, p.height - 1 - y},
                                         {p.width - 1 - x, p.height - 1 - y}})
                if (p.brightest(cx, cy) != 0) return false;
    return true;
}

TEST(Pictures, CatalogueHoldsExactlyTheRequiredNamesAndDepths) {
    std::map<std::string, int> got;
    for (const PictureInfo& s : pictureList())
        got[std::string(s.name)] = s.bits;
    EXPECT_EQ(pictureList().size(), 29u);
    EXPECT_EQ(got, requiredPictures);
}

TEST(Pictures, CatalogueMatchesTheFilesTheBuildExpects) {
    std::set<std::string> built;
    std::stringstream list(QUORRIN_BUILT_PICTURES);
    for (std::string name; std::getline(list, name, ',');)
        built.insert(name);
    std::set<std::string> catalogue;
    for (const PictureInfo& s : pictureList())
        catalogue.insert(std::string(s.name));
    EXPECT_EQ(built, catalogue);
}

TEST(Pictures, CaptionTextsAreTheRequiredWords) {
    for (const PictureInfo& s : pictureList()) {
        const auto it = requiredCaptions.find(std::string(s.name));
        EXPECT_EQ(std::string(s.text), it == requiredCaptions.end() ? "" : it->second) << s.name;
    }
}

TEST(Pictures, WritesOneFilePerPictureUnderImage) {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(written() / "image"))
        files.insert(entry.path().filename().string());
    std::set<std::string> expected;
    for (const auto& [name, bits] : requiredPictures)
        expected.insert(name + ".bmp");
    EXPECT_EQ(files, expected);
}

TEST(Pictures, HeadersAreWhatTheLoaderReads) {
    for (const auto& [name, bits] : requiredPictures) {
        SCOPED_TRACE(name);
        const auto file = readBytes(written() / "image" / (name + ".bmp"));
        ASSERT_GE(file.size(), 54u);
        const std::uint32_t w = le32(file, 18), h = le32(file, 22);
        const std::uint32_t palette = bits == 8 ? 1024 : 0;
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(le16(file, 28), bits);
        EXPECT_TRUE(powerOfTwo(w)) << w;
        EXPECT_TRUE(powerOfTwo(h)) << h;
        EXPECT_GE(w, 64u);
        EXPECT_LE(w, 512u);
        EXPECT_EQ(w * (bits / 8) % 4, 0u);
        EXPECT_EQ(le32(file, 14), 40u);
        EXPECT_EQ(le16(file, 26), 1u);
        EXPECT_EQ(le32(file, 30), 0u);
        EXPECT_EQ(le32(file, 10), 54 + palette);
        EXPECT_EQ(le32(file, 34), w * h * (bits / 8));
        EXPECT_EQ(file.size(), 54 + palette + w * h * (bits / 8));
        EXPECT_EQ(le32(file, 2), file.size());
    }
}

TEST(Pictures, EightBitPicturesCarryA256EntryGreyPalette) {
    for (const std::string name : {"pNoise4", "pNoise", "shine2"}) {
        const auto file = readBytes(written() / "image" / (name + ".bmp"));
        for (std::size_t i = 0; i < 256; ++i) {
            ASSERT_EQ(file[54 + 4 * i], file[54 + 4 * i + 1]) << name << " entry " << i;
            ASSERT_EQ(file[54 + 4 * i], file[54 + 4 * i + 2]) << name << " entry " << i;
            ASSERT_EQ(file[54 + 4 * i + 3], 0) << name << " entry " << i;
        }
        EXPECT_EQ(file[54], 0) << name;
        EXPECT_EQ(file[54 + 4 * 255], 255) << name;
    }
}

TEST(Pictures, GeneratingTwiceGivesIdenticalBytes) {
    for (const PictureInfo& s : pictureList()) {
        const auto again = makePicture(s.name);
        EXPECT_EQ(again, readBytes(written() / "image" / (std::string(s.name) + ".bmp"))) << s.name;
    }
}

TEST(Pictures, UnknownNameIsRefused) {
    EXPECT_THROW(makePicture("Title"), std::invalid_argument); // names are case-sensitive
    EXPECT_THROW(makePicture("nothing"), std::invalid_argument);
}

TEST(Pictures, CaptionsAreLightTextOnBlackWithAClearMargin) {
    for (const auto& [name, text] : requiredCaptions) {
        SCOPED_TRACE(name);
        const Picture p = load(name);
        EXPECT_TRUE(cornerBlocksBlack(p, 8));
        // Letters: a good number of bright pixels, the brightest nearly white.
        const int lit = countBrighter(p, 180);
        EXPECT_GT(lit, p.width * p.height / 100);
        EXPECT_LT(lit, p.width * p.height / 2);
        double top = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                top = std::max(top, 0.299 * p.r(x, y) + 0.587 * p.g(x, y) + 0.114 * p.b(x, y));
        EXPECT_GE(top, 220.0); // white or a light tint
        // Not even the faint halo may touch the border.
        EXPECT_GE(clearBorder(p, 0), 4);
    }
}

TEST(Pictures, PlainCaptionsAreBlackAwayFromTheText) {
    // Everything but the badges: no frame or backdrop, so whole rows above the text are black.
    for (const auto& [name, text] : requiredCaptions) {
        if (name == "tobbin" || name == "mirrel") continue;
        const Picture p = load(name);
        for (int x = 0; x < p.width; ++x) {
            ASSERT_EQ(p.brightest(x, p.height / 16), 0) << name << " x " << x;
            ASSERT_EQ(p.brightest(x, p.height - 1 - p.height / 16), 0) << name << " x " << x;
        }
    }
}

TEST(Pictures, LongCaptionsStillFillMostOfTheWidth) {
    // Scaled to fit, not cut off nor left tiny.
    for (const std::string name : {"greeting", "KALVENDO", "ferrowen", "title"}) {
        const Picture p = load(name);
        int left = p.width, right = -1;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                if (p.brightest(x, y) > 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GT(right - left, p.width * 6 / 10) << name;
    }
}

TEST(Pictures, GlowIsBrightInTheMiddleAndFadesToBlack) {
    const Picture p = load("shine2");
    EXPECT_EQ(p.width, p.height);
    const int c = p.width / 2;
    EXPECT_GE(p.brightest(c, c), 240);
    EXPECT_TRUE(cornerBlocksBlack(p, p.width / 8));
    // Never brighter further out along the horizontal and the diagonal.
    for (int x = c + 1; x < p.width; ++x)
        EXPECT_LE(p.r(x, c), p.r(x - 1, c)) << x;
    for (int d = 1; c + d < p.width; ++d)
        EXPECT_LE(p.r(c + d, c + d), p.r(c + d - 1, c + d - 1));
    // Soft, not a dot: a wide area is lit.
    EXPECT_GT(countBrighter(p, 20), p.width * p.height / 8);
    EXPECT_EQ(p.r(p.width - 1, c), 0);
}

TEST(Pictures, SurfaceNoiseIsSmoothFullRangeAndDistinct) {
    const Picture a = load("pNoise4"), b = load("pNoise");
    for (const Picture* p : {&a, &b}) {
        int lo = 255, hi = 0;
        double step = 0;
        for (int y = 0; y < p->height; ++y)
            for (int x = 0; x < p->width; ++x) {
                lo = std::min<int>(lo, p->r(x, y));
                hi = std::max<int>(hi, p->r(x, y));
                if (x > 0) step += std::abs(int(p->r(x, y)) - int(p->r(x - 1, y)));
            }
        EXPECT_LE(lo, 5);
        EXPECT_GE(hi, 250);
        // Neighbours differ by a few levels on average: smooth, yet not flat.
        step /= double(p->width - 1) * p->height;
        EXPECT_GT(step, 0.3);
        EXPECT_LT(step, 8.0);
    }
    EXPECT_NE(a.rgb, b.rgb);
}

TEST(Pictures, FloorStripesAreBrightBandsOnBlack) {
    const Picture p = load("string");
    // Count bright runs across one row; each column stays the same all the way down.
    int runs = 0;
    for (int x = 0; x < p.width; ++x) {
        if (p.brightest(x, 0) > 200 && (x == 0 || p.brightest(x - 1, 0) <= 200)) ++runs;
        for (int y = 1; y < p.height; ++y)
            ASSERT_EQ(p.rgb[3 * (y * p.width + x)], p.r(x, 0));
    }
    EXPECT_GE(runs, 4);
    int black = 0;
    for (int x = 0; x < p.width; ++x)
        black += p.brightest(x, 0) == 0;
    EXPECT_GT(black, p.width / 4);
}

TEST(Pictures, LogoIsALineDrawingOnBlack) {
    const Picture p = load("cube");
    EXPECT_TRUE(cornerBlocksBlack(p, 8));
    const int lit = countBrighter(p, 150);
    EXPECT_GT(lit, p.width * p.height / 50);
    EXPECT_LT(lit, p.width * p.height / 4);
    // The edges are cyan: where lit, blue and green outweigh red.
    int cyan = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            cyan +=
                p.brightest(x, y) > 150 && p.g(x, y) > p.r(x, y) + 60 && p.b(x, y) > p.r(x, y) + 60;
    EXPECT_GT(cyan, lit / 2);
}

TEST(Pictures, BackdropsHaveTheirCharacter) {
    const Picture tiles = load("bankin1"), back = load("back2"), veil = load("back2_scene3"),
                  rock = load("rock");
    EXPECT_GT(meanBrightness(tiles), 0.2);
    EXPECT_LT(meanBrightness(back), 0.35); // dark enough to read credits over
    EXPECT_GT(meanBrightness(back), 0.03);
    EXPECT_LT(meanBrightness(veil), 0.12);
    EXPECT_GT(countBrighter(veil, 70), veil.width * veil.height / 200); // light structure
    EXPECT_GT(meanBrightness(rock), 0.2);
    EXPECT_LT(meanBrightness(rock), 0.8);
    // Tiles: dark grooves run along every quarter of the picture, in both directions.
    double groove = 0, all = 0;
    for (int k = 0; k < tiles.width; ++k)
        for (int q = 0; q < 4; ++q) {
            const int line = q * tiles.width / 4;
            groove += tiles.brightest(line, k) + tiles.brightest(k, line);
        }
    for (int y = 0; y < tiles.height; ++y)
        for (int x = 0; x < tiles.width; ++x)
            all += tiles.brightest(x, y);
    groove /= 8.0 * tiles.width;
    all /= double(tiles.width) * tiles.height;
    EXPECT_LT(groove, 0.5 * all);
}

TEST(Pictures, BadgesFrameAFigureAboveTheName) {
    for (const std::string name : {"tobbin", "mirrel"}) {
        const Picture p = load(name);
        EXPECT_TRUE(cornerBlocksBlack(p, 6)) << name;
        // The frame crosses the middle column near the top and near the bottom.
        int crossings = 0;
        for (int y = 1; y < p.height; ++y)
            crossings +=
                p.brightest(p.width / 2, y) > 128 && p.brightest(p.width / 2, y - 1) <= 128;
        EXPECT_GE(crossings, 4) << name; // frame top, head, name letters, frame bottom
        // The upper half (the figure) and the lower fifth (the name) both hold light.
        int upper = 0, lower = 0;
        for (int y = p.height / 8; y < p.height / 2; ++y)
            for (int x = p.width / 4; x < 3 * p.width / 4; ++x)
                upper += p.brightest(x, y) > 128;
        for (int y = 7 * p.height / 10; y < 9 * p.height / 10; ++y)
            for (int x = p.width / 8; x < 7 * p.width / 8; ++x)
                lower += p.brightest(x, y) > 180;
        EXPECT_GT(upper, 100) << name;
        EXPECT_GT(lower, 300) << name;
    }
}

TEST(PictureTool, WritesEveryPictureAndRejectsBadUsage) {
    TempFolder out("picture-tool");
    const std::string tool = QUORRIN_MAKE_PICTURES_EXE;
    EXPECT_NE(std::system((tool + " 2>/dev/null").c_str()), 0);
    ASSERT_EQ(std::system((tool + " '" + out.path.string() + "'").c_str()), 0);
    for (const auto& [name, bits] : requiredPictures)
        EXPECT_EQ(readBytes(out.path / "image" / (name + ".bmp")), makePicture(name)) << name;
}
