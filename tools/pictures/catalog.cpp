#include "pictures/catalog.h"

#include "pictures/bmp.h"
#include "pictures/captions.h"
#include "pictures/emblems.h"
#include "pictures/patterns.h"
#include "pictures/text.h"

#include <array>
#include <fstream>
#include <stdexcept>
#include <string>

enum class PictureKind {
    noise4,
    noise,
    glow,
    cube,
    tiles,
    backdrop,
    veil,
    rock,
    stripes,
    party,
    greet,
    credit,
    badge,
    title
};

struct CatalogEntry {
    PictureInfo info;
    PictureKind kind;
};

static constexpr std::array catalogEntries{
    CatalogEntry{{"pNoise4", 256, 256, 8, ""}, PictureKind::noise4},
    CatalogEntry{{"pNoise", 256, 256, 8, ""}, PictureKind::noise},
    CatalogEntry{{"cube", 128, 128, 32, ""}, PictureKind::cube},
    CatalogEntry{{"bankin1", 256, 256, 24, ""}, PictureKind::tiles},
    CatalogEntry{{"back2", 256, 256, 24, ""}, PictureKind::backdrop},
    CatalogEntry{{"back2_scene3", 256, 256, 24, ""}, PictureKind::veil},
    CatalogEntry{{"shine2", 128, 128, 8, ""}, PictureKind::glow},
    CatalogEntry{{"code", 256, 256, 24, "CODE"}, PictureKind::credit},
    CatalogEntry{{"music", 256, 256, 24, "MUSIC"}, PictureKind::credit},
    CatalogEntry{{"tobbin", 256, 256, 24, "TOBBIN"}, PictureKind::badge},
    CatalogEntry{{"mirrel", 256, 256, 24, "MIRREL"}, PictureKind::badge},
    CatalogEntry{{"2005", 256, 256, 24, "2005"}, PictureKind::party},
    CatalogEntry{{"greeting", 256, 256, 24, "GREETINGS"}, PictureKind::greet},
    CatalogEntry{{"pollick", 256, 256, 24, "POLLICK"}, PictureKind::greet},
    CatalogEntry{{"vistrel", 256, 256, 24, "VISTREL"}, PictureKind::greet},
    CatalogEntry{{"mundelo", 256, 256, 24, "MUNDELO"}, PictureKind::greet},
    CatalogEntry{{"KALVENDO", 256, 256, 24, "KALVENDO"}, PictureKind::greet},
    CatalogEntry{{"ferrowen", 256, 256, 24, "FERROWEN"}, PictureKind::greet},
    CatalogEntry{{"grumet", 256, 256, 24, "GRUMET"}, PictureKind::greet},
    CatalogEntry{{"hollin", 256, 256, 24, "HOLLIN"}, PictureKind::greet},
    CatalogEntry{{"quillet", 256, 256, 24, "QUILLET"}, PictureKind::greet},
    CatalogEntry{{"title", 512, 512, 32, "QUORRIN"}, PictureKind::title},
    CatalogEntry{{"tondra", 256, 256, 24, "TONDRA"}, PictureKind::greet},
    CatalogEntry{{"brisel", 256, 256, 24, "BRISEL"}, PictureKind::greet},
    CatalogEntry{{"sarvent", 256, 256, 24, "SARVENT"}, PictureKind::greet},
    CatalogEntry{{"string", 256, 256, 24, ""}, PictureKind::stripes},
    CatalogEntry{{"rock", 256, 256, 24, ""}, PictureKind::rock},
    CatalogEntry{{"orvetParty", 256, 256, 24, "ORVET PARTY"}, PictureKind::party},
    CatalogEntry{{"summer", 256, 256, 24, "SUMMER"}, PictureKind::party},
};

static constexpr std::array<PictureInfo, catalogEntries.size()>
infosOf(const decltype(catalogEntries)& entries) {
    std::array<PictureInfo, catalogEntries.size()> out{};
    for (std::size_t i = 0; i < entries.size(); ++i)
        out[i] = entries[i].info;
    return out;
}
static constexpr auto catalogInfos = infosOf(catalogEntries);

static const CatalogEntry& findEntry(std::string_view name) {
    for (const CatalogEntry& e : catalogEntries)
        if (e.info.name == name) return e;
    throw std::invalid_argument("no picture is called " + std::string(name));
}

// Warm for the party, cool for the greetings, white for the credits.
static constexpr TextPaint partyPaint{
    {1.0f, 0.97f, 0.85f}, {1.0f, 0.72f, 0.38f}, {0.5f, 0.22f, 0.05f}, 3};
static constexpr TextPaint greetPaint{
    {1.0f, 1.0f, 1.0f}, {0.62f, 0.86f, 1.0f}, {0.05f, 0.22f, 0.45f}, 3};
static constexpr TextPaint creditPaint{
    {1.0f, 1.0f, 1.0f}, {0.85f, 0.85f, 0.92f}, {0.2f, 0.2f, 0.3f}, 2};
static constexpr TextPaint titlePaint{
    {1.0f, 1.0f, 1.0f}, {0.55f, 0.85f, 1.0f}, {0.1f, 0.35f, 0.6f}, 6};

static Canvas drawEntry(const CatalogEntry& e) {
    const PictureInfo& s = e.info;
    FontPtr font;
    if (!s.text.empty()) font = openFont(captionFontPath);
    switch (e.kind) {
    case PictureKind::noise4:
        return noiseTexture(s.width, 4, 4, 0x51a7e4u);
    case PictureKind::noise:
        return noiseTexture(s.width, 8, 6, 0x0badc0deu);
    case PictureKind::glow:
        return glowSprite(s.width);
    case PictureKind::cube:
        return cubeLogo(s.width);
    case PictureKind::tiles:
        return tilePattern(s.width);
    case PictureKind::backdrop:
        return creditsBackdrop(s.width);
    case PictureKind::veil:
        return veil(s.width);
    case PictureKind::rock:
        return rockTexture(s.width);
    case PictureKind::stripes:
        return floorStripes(s.width);
    case PictureKind::party:
        return caption(*font, s.text, s.width, s.height, 0.4f, partyPaint);
    case PictureKind::greet:
        return caption(*font, s.text, s.width, s.height, 0.3f, greetPaint);
    case PictureKind::credit:
        return caption(*font, s.text, s.width, s.height, 0.3f, creditPaint);
    case PictureKind::title:
        return caption(*font, s.text, s.width, s.height, 0.4f, titlePaint);
    case PictureKind::badge: {
        const Rgb tint = s.name == "tobbin" ? Rgb{0.55f, 0.9f, 1.0f} : Rgb{1.0f, 0.8f, 0.45f};
        return portraitBadge(*font, s.text, s.width, tint);
    }
    }
    throw std::logic_error("picture kind without a drawing");
}

std::span<const PictureInfo> pictureList() {
    return catalogInfos;
}

Canvas drawPicture(std::string_view name) {
    return drawEntry(findEntry(name));
}

std::vector<std::uint8_t> makePicture(std::string_view name) {
    const CatalogEntry& e = findEntry(name);
    return encodeBmp(drawEntry(e), e.info.bits);
}

void writePictures(const std::filesystem::path& outdir) {
    const std::filesystem::path folder = outdir / "image";
    std::filesystem::create_directories(folder);
    for (const PictureInfo& s : catalogInfos) {
        const std::vector<std::uint8_t> bytes = makePicture(s.name);
        const std::filesystem::path path = folder / (std::string(s.name) + ".bmp");
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
}
