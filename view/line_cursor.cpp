// Painting the line cursor: a frame two pixels wide around the line it marks, each pixel in
// the skin's cursor colour, white or black, whichever stands out from what lies beside it.
#include "view/line_cursor.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "game/board.h"
#include "platform/wingdi.h"
#include "view/layout.h"
#include "view/skin.h"

LineCursorState LineCursor{CursorPlace{HorizontalLineCell(3, 3), 7}, false};

namespace {

// One a skin, chosen against its plate and apart from both sides' line colours: white on
// steel blue, green on paper, yellow on the night sky, deep blue on maple, yellow on felt,
// lime on dusk.
constexpr COLORREF CursorColours[] = {RGB(255, 255, 255), RGB(0, 122, 61),   RGB(255, 225, 77),
                                      RGB(20, 48, 192),   RGB(255, 232, 77), RGB(156, 255, 90)};

// Contrast as the web's accessibility guidelines count it: 1 (none) to 21.
double Luminance(COLORREF c) {
  const auto channel = [](BYTE v) {
    const double x = v / 255.0;
    return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
}
double Contrast(COLORREF a, COLORREF b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool InRect(const RECT& r, LONG x, LONG y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// A pixel of the mark: the skin's colour where it stands out 3:1 from every pixel beside it
// outside the mark; else white or black, whichever stands out more. Only a pixel at a corner of the frame borders more than one such pixel, so white or
// black always reaches 3:1 elsewhere: a drawn line's light and dark edges, the plate and
// the corner points each get their own.
COLORREF MarkPixel(HDC hdc, int cell, LONG x, LONG y) {
  const RECT r = CellRect(BoardLayout, cell);
  const RECT hole = LineCursorHole(cell);
  const POINT around[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
  const COLORREF candidates[3] = {LineCursorColour(Skin), RGB(255, 255, 255), RGB(0, 0, 0)};
  double lowest[3] = {21.0, 21.0, 21.0};
  for (size_t i = 0; i < std::size(around); ++i) {
    const POINT p = around[i];
    if (InRect(r, p.x, p.y) && !InRect(hole, p.x, p.y)) continue;  // the mark itself
    const COLORREF beside = GetPixel(hdc, p.x, p.y);
    if (beside == CLR_INVALID) continue;
    for (int k = 0; k < 3; ++k) lowest[k] = std::min(lowest[k], Contrast(candidates[k], beside));
  }
  if (lowest[0] >= 3.0) return candidates[0];
  return lowest[1] >= lowest[2] ? candidates[1] : candidates[2];
}

}  // namespace

COLORREF LineCursorColour(int skin) {
  return skin >= 0 && skin < static_cast<int>(std::size(CursorColours)) ? CursorColours[skin]
                                                                        : CursorColours[0];
}

RECT LineCursorHole(int cell) {
  const RECT r = CellRect(BoardLayout, cell);
  return RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
}

void PaintLineCursor(HDC hdc) {
  if (!LineCursor.shown || !IsLine(LineCursor.place.cell) || !SkinLoaded()) return;
  const int cell = LineCursor.place.cell;
  const COLORREF colours[3] = {LineCursorColour(Skin), RGB(255, 255, 255), RGB(0, 0, 0)};
  HBRUSH brushes[3] = {CreateSolidBrush(colours[0]), CreateSolidBrush(colours[1]), CreateSolidBrush(colours[2])};
  // Every colour is chosen from the cell as drawn without the mark, before any of it is
  // painted: the two rings, the outer first, each as its four sides.
  const RECT r = CellRect(BoardLayout, cell);
  struct Run {
    LONG x, y;
    int dx, dy, length;
  };
  std::vector<Run> runs;
  for (LONG ring = 0; ring < 2; ++ring) {
    const LONG left = r.left + ring, top = r.top + ring, right = r.right - 1 - ring, bottom = r.bottom - 1 - ring;
    const int width = static_cast<int>(right - left + 1), height = static_cast<int>(bottom - top + 1);
    runs.push_back(Run{left, top, 1, 0, width});
    runs.push_back(Run{left, bottom, 1, 0, width});
    runs.push_back(Run{left, top + 1, 0, 1, height - 2});
    runs.push_back(Run{right, top + 1, 0, 1, height - 2});
  }
  std::vector<COLORREF> chosen;
  for (const Run& run : runs)
    for (int i = 0; i < run.length; ++i) chosen.push_back(MarkPixel(hdc, cell, run.x + run.dx * i, run.y + run.dy * i));
  size_t next = 0;
  for (const Run& run : runs) {
    int start = 0;
    for (int i = 1; i <= run.length; ++i) {
      if (i < run.length && chosen[next + i] == chosen[next + start]) continue;
      const LONG left = run.x + run.dx * start, top = run.y + run.dy * start;
      const RECT fill{left, top, run.dx != 0 ? run.x + run.dx * i : left + 1, run.dy != 0 ? run.y + run.dy * i : top + 1};
      const COLORREF c = chosen[next + start];
      FillRect(hdc, &fill, brushes[c == colours[0] ? 0 : c == colours[1] ? 1 : 2]);
      start = i;
    }
    next += static_cast<size_t>(std::max(run.length, 0));
  }
  for (HBRUSH brush : brushes) DeleteObject(brush);
}
