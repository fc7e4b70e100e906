// tests/golden/frames.txt: the golden moments, each with the budgets its comparison gets.
#pragma once
#include <optional>
#include <string>
#include <vector>

// The size every golden frame is drawn at.
inline constexpr int goldenWidth = 320;
inline constexpr int goldenHeight = 240;

// A second, tighter look at a region where thin lines are a layer of their own: a line that
// is missing or of another colour covers too few pixels to show in the whole picture's
// budget, but not in its own region's.
struct RegionCheck {
    int x = 0, y = 0, width = 0, height = 0; // pixels, from the picture's top-left corner
    int tolerance = 0;
    double budgetPercent = 0; // of the region's pixels
};

struct GoldenFrame {
    unsigned ms = 0;
    int tolerance = 0;        // a channel difference up to this is the same colour
    double budgetPercent = 0; // the share of pixels that may go unmatched
    std::optional<RegionCheck> region;
    std::string why;
};

// One frame a line: "MS TOLERANCE BUDGET% REGION WHAT IT SHOWS", REGION being "-" or
// "X,Y,W,H:TOLERANCE:BUDGET%"; blank lines and lines starting with '#' are comments.
// Empty result when every line is good, otherwise the first bad line's number and fault.
std::string parseGoldenList(const std::string& text, std::vector<GoldenFrame>& frames);

// tests/golden/fill: the frame stretched over a 256x144 frame (--aspect fill, 5 fps) at
// these moments, drawn before frames of other shapes kept the 4:3 picture.
inline constexpr unsigned fillReferenceMs[] = {2000, 36000, 79000};
inline constexpr const char* fillReferenceFolder = "fill";

// "still-MMMMM.png", the name the capture tool gives the still at ms.
std::string goldenStillName(unsigned ms);
