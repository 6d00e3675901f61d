// Choosing the layout from the screen, and hit testing taps against lines.
#include "view/layout.h"

#include "game/board.h"
#include "platform/winuser.h"

int32_t ResolutionId;
BoardMetrics BoardLayout;

void DetectLayout() {
  ResolutionId = ResolutionIdFor(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  BoardLayout = Layouts[ResolutionId];
}

int HitTestLine(int32_t x, int32_t y) {
  const BoardMetrics& m = BoardLayout;
  // As on the handheld: edges are inclusive on both ends, so each line is hit one pixel
  // beyond its sprite to the right and below; where two lines share that pixel the
  // horizontal one wins.
  for (int r = 0; r <= 7; ++r)
    for (int c = 0; c <= 6; ++c) {
      const int32_t left = m.originX + m.gapX + m.pitchX() * c;
      const int32_t top = m.originY + m.pitchY() * r;
      if (left <= x && x <= left + m.hLineWidth && top <= y && y <= top + m.hLineHeight)
        return HorizontalLineCell(r, c);
    }
  for (int r = 0; r <= 6; ++r)
    for (int c = 0; c <= 7; ++c) {
      const int32_t left = m.originX + m.pitchX() * c;
      const int32_t top = m.originY + m.gapY + m.pitchY() * r;
      if (left <= x && x <= left + m.vLineWidth && top <= y && y <= top + m.vLineHeight)
        return VerticalLineCell(r, c);
    }
  return -1;
}
