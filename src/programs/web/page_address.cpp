#include "programs/web/page_address.h"

#include "show/scene_table.h"

#include <charconv>
#include <cstdio>
#include <string_view>

static constexpr std::uint32_t lastShowMs = static_cast<std::uint32_t>(showEndMs) - 1;

// Digits only; a value past the show's end is read as its last millisecond.
static bool readMs(std::string_view digits, std::uint32_t& ms) {
    if (digits.empty()) return false;
    std::uint32_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        if (value <= lastShowMs) value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    ms = value < lastShowMs ? value : lastShowMs;
    return true;
}

// Digits only, within 32 bits, and not 0: a clock that never moves would hold the picture
// while the music plays on, and the show would never end.
static bool readStep(std::string_view digits, std::uint32_t& ms) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        value == 0)
        return false;
    ms = value;
    return true;
}

// One part; false where it says nothing the page can use.
static bool readPart(std::string_view part, PageAddress& address) {
    if (part == "paused")
        address.paused = true;
    else if (part == "bench")
        address.bench = true;
    else if (part == "hd")
        address.hd = true;
    else if (part.starts_with("t="))
        return readMs(part.substr(2), address.ms);
    else if (part.starts_with("step=") && readStep(part.substr(5), address.stepMs))
        address.stepped = true;
    else
        return false;
    return true;
}

PageAddress readPageAddress(const char* fragment) {
    PageAddress address{0, false, false, false, 0, false, {}};
    std::string_view rest = fragment != nullptr ? fragment : "";
    if (rest.starts_with('#')) rest.remove_prefix(1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('&');
        const std::string_view part = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!part.empty() && !readPart(part, address)) address.unusable.emplace_back(part);
    }
    return address;
}

// A JSON string: quotes, backslashes and control characters escaped, other bytes as they are.
static std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string pageAddressJson(const PageAddress& address) {
    const auto flag = [](bool value) { return value ? "true" : "false"; };
    std::string json =
        "{\"ms\":" + std::to_string(address.ms) + ",\"paused\":" + flag(address.paused) +
        ",\"bench\":" + flag(address.bench) + ",\"hd\":" + flag(address.hd) +
        ",\"stepMs\":" + (address.stepped ? std::to_string(address.stepMs) : "null") +
        ",\"unusable\":[";
    for (std::size_t i = 0; i < address.unusable.size(); ++i)
        json += (i > 0 ? "," : "") + jsonString(address.unusable[i]);
    return json + "]}";
}
