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

namespace quorrin::pictures {

namespace {

enum class Kind {
    Noise4,
    Noise,
    Glow,
    Cube,
    Tiles,
    Backdrop,
    Veil,
    Rock,
    Stripes,
    Party,
    Greet,
    Credit,
    Badge,
    Title
};

struct Entry {
    PictureInfo info;
    Kind kind;
};

constexpr std::array kEntries{
    Entry{{"pNoise4", 256, 256, 8, ""}, Kind::Noise4},
    Entry{{"pNoise", 256, 256, 8, ""}, Kind::Noise},
    Entry{{"cube", 128, 128, 32, ""}, Kind::Cube},
    Entry{{"bankin1", 256, 256, 24, ""}, Kind::Tiles},
    Entry{{"back2", 256, 256, 24, ""}, Kind::Backdrop},
    Entry{{"back2_scene3", 256, 256, 24, ""}, Kind::Veil},
    Entry{{"shine2", 128, 128, 8, ""}, Kind::Glow},
    Entry{{"code", 256, 256, 24, "CODE"}, Kind::Credit},
    Entry{{"music", 256, 256, 24, "MUSIC"}, Kind::Credit},
    Entry{{"tobbin", 256, 256, 24, "TOBBIN"}, Kind::Badge},
    Entry{{"mirrel", 256, 256, 24, "MIRREL"}, Kind::Badge},
    Entry{{"2005", 256, 256, 24, "2005"}, Kind::Party},
    Entry{{"greeting", 256, 256, 24, "GREETINGS"}, Kind::Greet},
    Entry{{"pollick", 256, 256, 24, "POLLICK"}, Kind::Greet},
    Entry{{"vistrel", 256, 256, 24, "VISTREL"}, Kind::Greet},
    Entry{{"mundelo", 256, 256, 24, "MUNDELO"}, Kind::Greet},
    Entry{{"KALVENDO", 256, 256, 24, "KALVENDO"}, Kind::Greet},
    Entry{{"ferrowen", 256, 256, 24, "FERROWEN"}, Kind::Greet},
    Entry{{"grumet", 256, 256, 24, "GRUMET"}, Kind::Greet},
    Entry{{"hollin", 256, 256, 24, "HOLLIN"}, Kind::Greet},
    Entry{{"quillet", 256, 256, 24, "QUILLET"}, Kind::Greet},
    Entry{{"title", 512, 512, 32, "QUORRIN"}, Kind::Title},
    Entry{{"tondra", 256, 256, 24, "TONDRA"}, Kind::Greet},
    Entry{{"brisel", 256, 256, 24, "BRISEL"}, Kind::Greet},
    Entry{{"sarvent", 256, 256, 24, "SARVENT"}, Kind::Greet},
    Entry{{"string", 256, 256, 24, ""}, Kind::Stripes},
    Entry{{"rock", 256, 256, 24, ""}, Kind::Rock},
    Entry{{"orvetParty", 256, 256, 24, "ORVET PARTY"}, Kind::Party},
    Entry{{"summer", 256, 256, 24, "SUMMER"}, Kind::Party},
};

constexpr std::array<PictureInfo, kEntries.size()> infos_of(const decltype(kEntries)& entries) {
    std::array<PictureInfo, kEntries.size()> out{};
    for (std::size_t i = 0; i < entries.size(); ++i)
        out[i] = entries[i].info;
    return out;
}
constexpr auto kInfos = infos_of(kEntries);

const Entry& find(std::string_view name) {
    for (const Entry& e : kEntries)
        if (e.info.name == name) return e;
    throw std::invalid_argument("no picture is called " + std::string(name));
}

// Warm for the party, cool for the greetings, white for the credits.
constexpr TextPaint kPartyPaint{
    {1.0f, 0.97f, 0.85f}, {1.0f, 0.72f, 0.38f}, {0.5f, 0.22f, 0.05f}, 3};
constexpr TextPaint kGreetPaint{{1.0f, 1.0f, 1.0f}, {0.62f, 0.86f, 1.0f}, {0.05f, 0.22f, 0.45f}, 3};
constexpr TextPaint kCreditPaint{{1.0f, 1.0f, 1.0f}, {0.85f, 0.85f, 0.92f}, {0.2f, 0.2f, 0.3f}, 2};
constexpr TextPaint kTitlePaint{{1.0f, 1.0f, 1.0f}, {0.55f, 0.85f, 1.0f}, {0.1f, 0.35f, 0.6f}, 6};

Canvas draw_entry(const Entry& e) {
    const PictureInfo& s = e.info;
    FontPtr font;
    if (!s.text.empty()) font = open_font(kCaptionFontPath);
    switch (e.kind) {
    case Kind::Noise4:
        return noise_texture(s.width, 4, 4, 0x51a7e4u);
    case Kind::Noise:
        return noise_texture(s.width, 8, 6, 0x0badc0deu);
    case Kind::Glow:
        return glow_sprite(s.width);
    case Kind::Cube:
        return cube_logo(s.width);
    case Kind::Tiles:
        return tile_pattern(s.width);
    case Kind::Backdrop:
        return credits_backdrop(s.width);
    case Kind::Veil:
        return veil(s.width);
    case Kind::Rock:
        return rock_texture(s.width);
    case Kind::Stripes:
        return floor_stripes(s.width);
    case Kind::Party:
        return caption(*font, s.text, s.width, s.height, 0.4f, kPartyPaint);
    case Kind::Greet:
        return caption(*font, s.text, s.width, s.height, 0.3f, kGreetPaint);
    case Kind::Credit:
        return caption(*font, s.text, s.width, s.height, 0.3f, kCreditPaint);
    case Kind::Title:
        return caption(*font, s.text, s.width, s.height, 0.4f, kTitlePaint);
    case Kind::Badge: {
        const Rgb tint = s.name == "tobbin" ? Rgb{0.55f, 0.9f, 1.0f} : Rgb{1.0f, 0.8f, 0.45f};
        return portrait_badge(*font, s.text, s.width, tint);
    }
    }
    throw std::logic_error("picture kind without a drawing");
}

} // namespace

std::span<const PictureInfo> picture_list() {
    return kInfos;
}

Canvas draw_picture(std::string_view name) {
    return draw_entry(find(name));
}

std::vector<std::uint8_t> make_picture(std::string_view name) {
    const Entry& e = find(name);
    return encode_bmp(draw_entry(e), e.info.bits);
}

void write_pictures(const std::filesystem::path& outdir) {
    const std::filesystem::path folder = outdir / "image";
    std::filesystem::create_directories(folder);
    for (const PictureInfo& s : kInfos) {
        const std::vector<std::uint8_t> bytes = make_picture(s.name);
        const std::filesystem::path path = folder / (std::string(s.name) + ".bmp");
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace quorrin::pictures
