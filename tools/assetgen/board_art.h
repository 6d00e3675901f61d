// The pieces of the board: corner points, lines and boxes, each drawn inside its own
// rectangle from that rectangle's corner only. The background draws every line and box
// as not yet taken and the sprite sheets draw them taken, with the same code, so a sprite
// copied over the background matches it pixel for pixel around its mark.
#pragma once

#include <cstdint>

#include "tools/assetgen/raster.h"
#include "tools/assetgen/skin_themes.h"
#include "view/layout_table.h"

enum class CellKind { HorizontalLine, VerticalLine, Box };

// 1 on the small screens, 2 on the large ones.
int ArtScale(const BoardMetrics& m);
CellKind KindOfCell(int cell);

// owner: 0 for a line not yet drawn or a box not yet taken, -1 the player's, 1 the computer's.
void DrawCell(Canvas& canvas, int left, int top, const BoardMetrics& m, const SkinTheme& theme, CellKind kind,
              int32_t owner);
void DrawCorner(Canvas& canvas, int left, int top, const BoardMetrics& m, const SkinTheme& theme);
// The ring (the player) or the diamond (the computer) that marks a side's boxes.
void DrawOwnerMark(Canvas& canvas, float cx, float cy, float size, int32_t owner, Colour colour);
