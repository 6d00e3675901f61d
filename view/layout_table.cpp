// The six layouts and the geometry of the board's cells.
#include "view/layout_table.h"

#include "game/board.h"

const BoardMetrics Layouts[ResolutionCount] = {
    // scoreH scoreW compY compX userY userX boxH boxW vLH vLW hLH hLW gapY gapX orgY orgX
    {20, 40, 6, 82, 6, 32, 24, 24, 24, 7, 7, 24, 7, 7, 31, 8},
    {40, 80, 12, 164, 12, 64, 48, 48, 48, 14, 14, 48, 14, 14, 62, 16},
    {40, 80, 12, 164, 12, 64, 48, 48, 48, 14, 14, 48, 14, 14, 62, 16},
    {20, 40, 6, 91, 6, 37, 13, 34, 13, 7, 7, 34, 7, 7, 31, 13},
    {40, 80, 12, 182, 12, 74, 26, 68, 26, 14, 14, 68, 14, 14, 62, 26},
    {40, 80, 12, 262, 12, 154, 26, 68, 26, 14, 14, 68, 14, 14, 62, 106},
};

const SIZE ScreenSizes[ResolutionCount] = {{240, 320}, {480, 640}, {480, 800},
                                           {320, 240}, {640, 480}, {800, 480}};

int32_t ResolutionIdFor(int width, int height) {
  for (int32_t id = 1; id < ResolutionCount; ++id)
    if (width == ScreenSizes[id].cx && height == ScreenSizes[id].cy) return id;
  return 0;
}

namespace {
RECT Rect(int32_t left, int32_t top, int32_t width, int32_t height) {
  return RECT{left, top, left + width, top + height};
}
}  // namespace

RECT CornerRect(const BoardMetrics& m, int row, int col) {
  return Rect(m.originX + m.pitchX() * col, m.originY + m.pitchY() * row, m.gapX, m.gapY);
}

RECT CellRect(const BoardMetrics& m, int cell) {
  const int row = cell / RowStride;
  const int offset = cell % RowStride;
  if (offset <= 6)
    return Rect(m.originX + m.gapX + m.pitchX() * offset, m.originY + m.pitchY() * row, m.hLineWidth,
                m.hLineHeight);
  if (offset % 2 == 1)
    return Rect(m.originX + m.pitchX() * ((offset - 7) / 2), m.originY + m.gapY + m.pitchY() * row,
                m.vLineWidth, m.vLineHeight);
  const int col = (offset - 8) / 2;
  return Rect(m.originX + m.gapX + (m.boxWidth + m.gapX) * col,
              m.originY + m.gapY + (m.boxHeight + m.gapY) * row, m.boxWidth, m.boxHeight);
}

RECT UserScoreRect(const BoardMetrics& m) {
  return Rect(m.userScoreX, m.userScoreY, m.scoreWidth, m.scoreHeight);
}

RECT ComputerScoreRect(const BoardMetrics& m) {
  return Rect(m.computerScoreX, m.computerScoreY, m.scoreWidth, m.scoreHeight);
}

RECT BoardRect(const BoardMetrics& m) {
  return Rect(m.originX, m.originY, 7 * m.pitchX() + m.gapX, 7 * m.pitchY() + m.gapY);
}
