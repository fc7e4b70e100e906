#include "programs/web/page_address.h"

#include "show/scene_table.h"

#include <charconv>
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

// Digits only, within 32 bits.
static bool readStep(std::string_view digits, std::uint32_t& ms) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return false;
    ms = value;
    return true;
}

PageAddress readPageAddress(const char* fragment) {
    PageAddress moment{0, false, false, false, 0};
    std::string_view rest = fragment != nullptr ? fragment : "";
    if (rest.starts_with('#')) rest.remove_prefix(1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('&');
        const std::string_view part = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (part == "paused")
            moment.paused = true;
        else if (part == "bench")
            moment.bench = true;
        else if (part.starts_with("t="))
            readMs(part.substr(2), moment.ms);
        else if (part.starts_with("step="))
            moment.stepped = readStep(part.substr(5), moment.stepMs) || moment.stepped;
    }
    return moment;
}
