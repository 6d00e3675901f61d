// Choosing the line under a finger: the exact hit test first, then the clearly nearest line.
#include "view/finger_line.h"

#include <algorithm>
#include <cmath>

#include "game/board.h"
#include "view/layout.h"

namespace {

// From the middle of pixel (x, y) to the nearest pixel of a line as it is drawn.
double Distance(const RECT& line, int32_t x, int32_t y) {
  const double px = x + 0.5, py = y + 0.5;
  const double dx = std::max({line.left - px, 0.0, px - line.right});
  const double dy = std::max({line.top - py, 0.0, py - line.bottom});
  return std::hypot(dx, dy);
}

}  // namespace

int FingerLine(int32_t x, int32_t y, double pixelsPerMillimetre) {
  const int hit = HitTestLine(x, y);
  if (hit != -1) return hit;
  double nearest = INFINITY, next = INFINITY;
  int cell = -1;
  for (int line = 0; line < CellCount; ++line) {
    if (!IsLine(line)) continue;
    const double d = Distance(CellRect(BoardLayout, line), x, y);
    if (d < nearest) {
      next = nearest;
      nearest = d;
      cell = line;
    } else if (d < next) {
      next = d;
    }
  }
  // A pixel's difference is none: where the middle of a box falls between two pixels, its
  // two halves must not each take a line.
  const double clear = std::max(FingerClearMillimetres * pixelsPerMillimetre, 1.5);
  if (nearest > FingerReachMillimetres * pixelsPerMillimetre || next - nearest < clear) return -1;
  return cell;
}
