// Small pictures whose pixels fixed-function GL settles exactly, drawn by the same code
// natively (Mesa) and in the browser (the web GL layer), tile by tile in a 2 x 2 grid.
#pragma once

inline constexpr int caseTileWidth = 160;
inline constexpr int caseTileHeight = 120;
inline constexpr int caseColumns = 2;
inline constexpr int caseRows = 2;
inline constexpr int caseCount = caseColumns * caseRows;

// Draws every case into its tile of the current framebuffer, from a GL state of any kind.
void drawLayerCases();
