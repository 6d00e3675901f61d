// Choosing the line under a finger: the exact hit test first, then the clearly nearest free
// line.
#include "view/finger_line.h"

#include <algorithm>
#include <cmath>

#include "game/board.h"
#include "view/layout.h"

namespace {

// From the middle of pixel (x, y) to a rectangle.
double Distance(const RECT& r, int32_t x, int32_t y) {
  const double px = x + 0.5, py = y + 0.5;
  const double dx = std::max({r.left - px, 0.0, px - r.right});
  const double dy = std::max({r.top - py, 0.0, py - r.bottom});
  return std::hypot(dx, dy);
}

// The middle half of a line as it is drawn: a quarter of its own length off each end.
RECT MiddleHalf(RECT line) {
  const int32_t w = line.right - line.left, h = line.bottom - line.top;
  if (w > h) {
    line.left += w / 4;
    line.right -= w / 4;
  } else {
    line.top += h / 4;
    line.bottom -= h / 4;
  }
  return line;
}

struct Nearest {
  double distance = INFINITY, next = INFINITY;
  int cell = -1;
};

void Consider(Nearest& n, double distance, int cell) {
  if (distance < n.distance) {
    n.next = n.distance;
    n.distance = distance;
    n.cell = cell;
  } else if (distance < n.next) {
    n.next = distance;
  }
}

// A pixel's difference is none: where the middle of a box falls between two pixels, its
// two halves must not each take a line.
bool Clear(const Nearest& n, double margin) { return n.next - n.distance >= std::max(margin, 1.5); }

}  // namespace

int FingerLine(int32_t x, int32_t y, double pixelsPerMillimetre) {
  const int hit = HitTestLine(x, y);
  if (hit != -1) return hit;
  // Measured to whole sprites, the end of a long line takes the touches that scatter past
  // the end of a short line beside it, which meant the short line as often. Measured to the
  // lines' middle halves those go to the short line, and a long line is still taken 1 mm
  // beside it from about 2 mm of its end. The whole sprites must agree, so that a dot where
  // lines meet, about as near each of them, stays nobody's. A drawn line is nobody's aim (a
  // tap on it does nothing), so a finger that strays toward one still means the free line
  // it was near; one that lands on a drawn line's own pixels has found that line, and
  // takes nothing.
  Nearest middles, sprites;
  for (int line = 0; line < CellCount; ++line) {
    if (!IsLine(line) || occ[line] != 0) continue;
    const RECT r = CellRect(BoardLayout, line);
    Consider(middles, Distance(MiddleHalf(r), x, y), line);
    Consider(sprites, Distance(r, x, y), line);
  }
  if (middles.distance > FingerReachMillimetres * pixelsPerMillimetre) return -1;
  if (middles.cell != sprites.cell || !Clear(middles, FingerClearMillimetres * pixelsPerMillimetre) ||
      !Clear(sprites, FingerSpriteClearMillimetres * pixelsPerMillimetre))
    return -1;
  return middles.cell;
}
