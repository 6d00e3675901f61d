// The board's pixel metrics for the six screen sizes, and where every corner point, line,
// box and score field lies. Drawing, tapping and the artwork all place things from here.
#pragma once

#include <cstdint>

#include "platform/windef.h"

struct BoardMetrics {
  int32_t scoreHeight;
  int32_t scoreWidth;
  int32_t computerScoreY;
  int32_t computerScoreX;
  int32_t userScoreY;
  int32_t userScoreX;
  int32_t boxHeight;
  int32_t boxWidth;
  int32_t vLineHeight;
  int32_t vLineWidth;
  int32_t hLineHeight;
  int32_t hLineWidth;
  int32_t gapY;
  int32_t gapX;
  int32_t originY;
  int32_t originX;

  constexpr int32_t pitchX() const { return gapX + hLineWidth; }
  constexpr int32_t pitchY() const { return gapY + vLineHeight; }
};

constexpr int ResolutionCount = 6;

// Indexed by resolution id: 0 = 240 x 320 (and every size not listed), 1 = 480 x 640,
// 2 = 480 x 800, 3 = 320 x 240, 4 = 640 x 480, 5 = 800 x 480.
extern const BoardMetrics Layouts[ResolutionCount];
extern const SIZE ScreenSizes[ResolutionCount];

// The resolution id of a screen size.
int32_t ResolutionIdFor(int width, int height);

// Rectangles (left, top, right, bottom; right and bottom exclusive).
RECT CornerRect(const BoardMetrics& m, int row, int col);
RECT CellRect(const BoardMetrics& m, int cell);  // a line or a box cell
RECT UserScoreRect(const BoardMetrics& m);
RECT ComputerScoreRect(const BoardMetrics& m);
RECT BoardRect(const BoardMetrics& m);  // from the first corner point to past the last
