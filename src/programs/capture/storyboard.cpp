#include "programs/capture/storyboard.h"

#include "programs/capture/label_font.h"

#include <cstdio>
#include <cstring>

static constexpr int gap = 8;
static constexpr int labelScale = 2;
static constexpr int labelBand = glyphHeight * labelScale + 2 * 6;
static constexpr Rgb8 ground = {20, 20, 24};
static constexpr Rgb8 ink = {225, 225, 225};

std::string storyboardLabel(int scene, std::uint32_t ms) {
    char text[48];
    if (ms % 100 == 0)
        std::snprintf(text, sizeof text, "scene %d  %u.%u s", scene, ms / 1000, ms / 100 % 10);
    else
        std::snprintf(text, sizeof text, "scene %d  %u.%03u s", scene, ms / 1000, ms % 1000);
    return text;
}

std::string fittedLabel(const std::string& label, int width, int& scale) {
    // Smaller first, then without its scene ("20.0 s"), then nothing: a label never reaches
    // under its neighbour.
    const std::size_t time = label.find("  ");
    for (const std::string& text :
         {label, time == std::string::npos ? label : label.substr(time + 2)})
        for (scale = labelScale; scale >= 1; --scale)
            if (textWidth(text, scale) <= width) return text;
    scale = 1;
    return {};
}

RgbImage composeStoryboard(const std::vector<RgbImage>& tiles,
                           const std::vector<std::string>& labels, int columns) {
    if (tiles.empty()) return {};
    const int tileWidth = tiles[0].width;
    const int tileHeight = tiles[0].height;
    const int count = static_cast<int>(tiles.size());
    const int rows = (count + columns - 1) / columns;
    const int usedColumns = count < columns ? count : columns;
    RgbImage board;
    board.width = gap + usedColumns * (tileWidth + gap);
    board.height = gap + rows * (tileHeight + labelBand + gap);
    board.pixels.resize(static_cast<std::size_t>(board.width) * board.height * 3);
    for (std::size_t i = 0; i < board.pixels.size(); i += 3) {
        board.pixels[i] = ground.r;
        board.pixels[i + 1] = ground.g;
        board.pixels[i + 2] = ground.b;
    }
    const std::size_t tileRow = static_cast<std::size_t>(tileWidth) * 3;
    for (int i = 0; i < count; ++i) {
        const int left = gap + (i % columns) * (tileWidth + gap);
        const int top = gap + (i / columns) * (tileHeight + labelBand + gap);
        for (int y = 0; y < tileHeight; ++y)
            std::memcpy(&board.pixels[(static_cast<std::size_t>(top + y) * board.width + left) * 3],
                        &tiles[i].pixels[tileRow * static_cast<std::size_t>(y)], tileRow);
        if (i < static_cast<int>(labels.size())) {
            int scale = labelScale;
            const std::string text = fittedLabel(labels[i], tileWidth, scale);
            const int x = left + (tileWidth - textWidth(text, scale)) / 2;
            const int y = top + tileHeight + (labelBand - glyphHeight * scale) / 2;
            drawText(board, x, y, text, scale, ink);
        }
    }
    return board;
}
