#include "golden_list.h"

#include <charconv>
#include <cstdio>
#include <set>
#include <sstream>

// The whole of text as a number of type T within [low, high], or nothing.
template <typename T> static std::optional<T> numberIn(const std::string& text, T low, T high) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

// "X,Y,W,H:TOLERANCE:BUDGET%": a region inside the picture.
static std::optional<RegionCheck> readRegion(const std::string& text) {
    std::istringstream parts(text);
    std::string x, y, w, h, tolerance, budget;
    if (!std::getline(parts, x, ',') || !std::getline(parts, y, ',') ||
        !std::getline(parts, w, ',') || !std::getline(parts, h, ':') ||
        !std::getline(parts, tolerance, ':') || !std::getline(parts, budget) || parts.peek() != EOF)
        return std::nullopt;
    const auto left = numberIn(x, 0, goldenWidth - 1), top = numberIn(y, 0, goldenHeight - 1);
    const auto width = numberIn(w, 1, goldenWidth), height = numberIn(h, 1, goldenHeight);
    const auto tight = numberIn(tolerance, 0, 255);
    const auto share = numberIn(budget, 0.0, 100.0);
    if (!left || !top || !width || !height || !tight || !share || *left + *width > goldenWidth ||
        *top + *height > goldenHeight)
        return std::nullopt;
    return RegionCheck{*left, *top, *width, *height, *tight, *share};
}

std::string parseGoldenList(const std::string& text, std::vector<GoldenFrame>& frames) {
    frames.clear();
    std::istringstream lines(text);
    std::string line;
    std::set<unsigned> seen;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        std::istringstream fields(line);
        std::string ms, tolerance, budget, region, why;
        fields >> ms >> tolerance >> budget >> region;
        std::getline(fields >> std::ws, why);
        GoldenFrame frame;
        if (const auto value = numberIn(ms, 0u, 79999u))
            frame.ms = *value;
        else
            return where + "the moment must be whole milliseconds from 0 to 79999";
        if (const auto value = numberIn(tolerance, 0, 255))
            frame.tolerance = *value;
        else
            return where + "the tolerance must be a whole number from 0 to 255";
        if (const auto value = numberIn(budget, 0.0, 100.0))
            frame.budgetPercent = *value;
        else
            return where + "the budget must be a percentage from 0 to 100";
        if (region != "-") {
            frame.region = readRegion(region);
            if (!frame.region)
                return where + "the region check must be - or X,Y,W,H:TOLERANCE:BUDGET% inside " +
                       std::to_string(goldenWidth) + "x" + std::to_string(goldenHeight);
        }
        if (why.empty()) return where + "say what the moment shows";
        if (!seen.insert(frame.ms).second) return where + "the moment " + ms + " is listed twice";
        frame.why = why;
        frames.push_back(frame);
    }
    if (frames.empty()) return "no moments listed";
    return {};
}

std::string goldenStillName(unsigned ms) {
    char name[32];
    std::snprintf(name, sizeof name, "still-%05u.png", ms);
    return name;
}
