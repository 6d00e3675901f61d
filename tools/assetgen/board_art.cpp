// Corner points, lines and boxes.
#include "tools/assetgen/board_art.h"

#include <algorithm>

#include "game/board.h"

int ArtScale(const BoardMetrics& m) { return m.gapX >= 14 ? 2 : 1; }

CellKind KindOfCell(int cell) {
  if (IsHorizontalLine(cell)) return CellKind::HorizontalLine;
  return IsVerticalLine(cell) ? CellKind::VerticalLine : CellKind::Box;
}

namespace {

const Ink& InkOf(const SkinTheme& theme, int32_t owner) {
  return owner == OwnerUser ? theme.user : theme.computer;
}

// A line not yet drawn, lying along x in a length x thickness canvas.
void DrawLineHint(Canvas& line, const SkinTheme& theme, int s) {
  const int length = line.width;
  switch (theme.hint) {
    case Hint::Groove:  // an engraved channel: shadow on its upper edge, light on its lower
      FillRect(line, s, 2 * s, length - s, 3 * s, theme.hintDark);
      FillRect(line, s, 3 * s, length - s, 4 * s, Mix(theme.hintDark, theme.plate, 128));
      FillRect(line, s, 4 * s, length - s, 5 * s, theme.hintLight);
      break;
    case Hint::Dots: {  // evenly spread along the line, none touching the corner points
      const int count = std::max(2, (length + s) / (4 * s) - 1);
      for (int i = 0; i < count; ++i) {
        const int x = (length * (2 * i + 1) / (2 * count)) - s / 2;
        FillRect(line, x, 3 * s, x + s, 4 * s, theme.hintDark);
        if (s > 1) {  // a softer rim around the larger dots
          FillRect(line, x - 1, 3 * s, x, 4 * s, theme.hintLight);
          FillRect(line, x + s, 3 * s, x + s + 1, 4 * s, theme.hintLight);
        }
      }
      break;
    }
    case Hint::Dashes: {  // stitches
      const int count = std::max(2, length / (5 * s));
      const int dash = std::max(2 * s, length / count - 2 * s);
      for (int i = 0; i < count; ++i) {
        const int centre = length * (2 * i + 1) / (2 * count);
        FillRect(line, centre - dash / 2, 3 * s, centre - dash / 2 + dash, 4 * s, theme.hintDark);
      }
      break;
    }
  }
}

// Spreads `count` pieces of `length` pixels evenly along a line of `total` pixels, with
// the first and the last piece touching its ends when `toEnds` is set.
template <typename Piece>
void Spread(int total, int count, int length, bool toEnds, const Piece& piece) {
  for (int i = 0; i < count; ++i) {
    const int start =
        toEnds ? (total - length) * i / (count - 1) : total * (2 * i + 1) / (2 * count) - length / 2;
    piece(start, start + length);
  }
}

// The colour of a rod's row, from the rod's top edge (0) to its bottom edge (15).
Colour RodRow(const SkinTheme& theme, const Ink& ink, int t) {
  if (theme.rod == Rod::Glow) {  // a bright core fading to a halo on both edges
    if (t < 3 || t >= 13) return Mix(theme.plate, ink.fill, 140);
    return t < 6 || t >= 10 ? ink.fill : ink.light;
  }
  if (t < 3) return ink.light;  // lit from above
  if (t < 6) return Mix(ink.light, ink.fill, 160);
  if (t >= 13) return ink.dark;
  return t >= 11 ? Mix(ink.fill, ink.dark, 128) : ink.fill;
}

// A drawn line over the whole length between two corner points. The computer's line
// carries a pattern of dashes, so the two sides are told apart without their colours.
void DrawLineRod(Canvas& line, const SkinTheme& theme, const Ink& ink, int32_t owner, int s) {
  const int length = line.width;
  if (theme.rod == Rod::Ink) {  // a pen stroke: the computer's is broken into dashes
    const auto stroke = [&](int from, int to) {
      FillRect(line, from, 2 * s, to, 4 * s, ink.fill);
      FillRect(line, from, 4 * s, to, 5 * s, ink.dark);
    };
    if (owner == OwnerComputer) {
      const int count = std::max(2, (length + 2 * s) / (6 * s));
      Spread(length, count, (length - (count - 1) * 2 * s) / count, true, stroke);
    } else {
      stroke(0, length);
    }
    return;
  }
  const int top = s, bottom = line.height - s;
  for (int y = top; y < bottom; ++y)
    FillRect(line, 0, y, length, y + 1, RodRow(theme, ink, ((y - top) * 16 + 8) / (bottom - top)));
  if (owner != OwnerComputer) return;
  const int count = std::max(2, length / (6 * s));
  Spread(length, count, std::max(2 * s, length / count - 3 * s), false,
         [&](int from, int to) { FillRect(line, from, 3 * s, to, 4 * s, ink.dash); });
}

void DrawLine(Canvas& canvas, int left, int top, int length, const SkinTheme& theme, int32_t owner, int s,
              bool vertical) {
  Canvas line = MakeCanvas(length, 7 * s, theme.plate);
  if (owner == OwnerNone)
    DrawLineHint(line, theme, s);
  else
    DrawLineRod(line, theme, InkOf(theme, owner), owner, s);
  Blit(canvas, left, top, line, vertical);
}

// A taken box. Its tile leaves a rim of board around it, so neighbouring taken boxes stay
// apart and the lines between them still show.
void DrawTakenBox(Canvas& canvas, int left, int top, int width, int height, const SkinTheme& theme,
                  int32_t owner, int s) {
  const Ink& ink = InkOf(theme, owner);
  const int inset = s * (height >= 20 * s ? 2 : 1);
  const float l = left + inset, t = top + inset, r = left + width - inset, b = top + height - inset;
  const float cx = (l + r) / 2, cy = (t + b) / 2;
  const bool flat = r - l > 1.8f * (b - t);  // the landscape layouts' boxes
  const float markSize = std::min(r - l, b - t) * (flat ? 0.8f : 0.62f);
  switch (theme.tile) {
    case Tile::Square:  // bevelled: light on the top and left edges, dark on the others
      FillRoundRect(canvas, l, t, r, b, 2.0f * s, ink.dark);
      FillRoundRect(canvas, l, t, r - s, b - s, 2.0f * s, ink.light);
      FillRoundRect(canvas, l + s, t + s, r - s, b - s, 1.5f * s, ink.fill);
      DrawOwnerMark(canvas, cx, cy, markSize, owner, ink.mark);
      break;
    case Tile::Glass:  // a gloss over the upper half
      FillRoundRect(canvas, l, t, r, b, 2.0f * s, ink.dark);
      FillRoundRect(canvas, l, t, r, b - s, 2.0f * s, ink.fill);
      FillRoundRect(canvas, l + s, t + s, r - s, cy, 1.5f * s, ink.light, 128);
      DrawOwnerMark(canvas, cx, cy, markSize, owner, ink.mark);
      break;
    case Tile::Neon:  // a lit outline with a faint glow inside and out
      FillRoundRect(canvas, l - s, t - s, r + s, b + s, 3.0f * s, ink.fill, 64);
      FillRoundRect(canvas, l, t, r, b, 2.0f * s, ink.light);
      FillRoundRect(canvas, l + s, t + s, r - s, b - s, 1.5f * s, Mix(theme.plate, ink.fill, 72));
      DrawOwnerMark(canvas, cx, cy, markSize, owner, ink.mark);
      break;
    case Tile::Wash:
      FillRoundRect(canvas, l, t, r, b, 1.5f * s, ink.light);
      DrawOwnerMark(canvas, cx, cy, markSize, owner, ink.fill);
      break;
    case Tile::Chip: {
      const float rx = (r - l) / 2, ry = (b - t) / 2;
      FillEllipse(canvas, cx, cy, rx, ry, ink.dark);
      FillEllipse(canvas, cx, cy - 0.5f * s, rx - 0.5f * s, ry - 0.5f * s, ink.fill);
      // the chip's edge spots: at the four diagonals, or at both ends of a flat chip
      const float spot = std::max(1.0f, std::min(rx, ry) * 0.2f);
      if (flat) {
        for (const float dx : {-1.0f, 1.0f})
          FillEllipse(canvas, cx + dx * (rx - 2.2f * spot), cy - 0.5f * s, spot, spot, ink.mark);
      } else {
        for (const float dx : {-rx * 0.72f, rx * 0.72f})
          for (const float dy : {-ry * 0.72f, ry * 0.72f})
            FillEllipse(canvas, cx + dx, cy + dy - 0.5f * s, spot, spot, ink.mark);
      }
      DrawOwnerMark(canvas, cx, cy - 0.5f * s, markSize * (flat ? 1.0f : 0.8f), owner, ink.mark);
      break;
    }
  }
}

}  // namespace

void DrawOwnerMark(Canvas& canvas, float cx, float cy, float size, int32_t owner, Colour colour) {
  const float radius = size / 2;
  if (owner == OwnerUser)
    FillRing(canvas, cx, cy, radius, radius - std::max(1.25f, size * 0.17f), colour);
  else
    FillDiamond(canvas, cx, cy, radius * 1.05f, radius * 1.05f, colour);
}

void DrawCell(Canvas& canvas, int left, int top, const BoardMetrics& m, const SkinTheme& theme, CellKind kind,
              int32_t owner) {
  const int s = ArtScale(m);
  switch (kind) {
    case CellKind::HorizontalLine: DrawLine(canvas, left, top, m.hLineWidth, theme, owner, s, false); break;
    case CellKind::VerticalLine: DrawLine(canvas, left, top, m.vLineHeight, theme, owner, s, true); break;
    case CellKind::Box: {
      FillRect(canvas, left, top, left + m.boxWidth, top + m.boxHeight, theme.plate);
      const int inset = s * (m.boxHeight >= 20 * s ? 2 : 1);
      if (theme.well != theme.plate)
        FillRoundRect(canvas, left + inset, top + inset, left + m.boxWidth - inset, top + m.boxHeight - inset,
                      2.0f * s, theme.well);
      if (owner != OwnerNone) DrawTakenBox(canvas, left, top, m.boxWidth, m.boxHeight, theme, owner, s);
      break;
    }
  }
}

void DrawCorner(Canvas& canvas, int left, int top, const BoardMetrics& m, const SkinTheme& theme) {
  const float s = static_cast<float>(ArtScale(m));
  FillRect(canvas, left, top, left + m.gapX, top + m.gapY, theme.plate);
  const float cx = left + m.gapX / 2.0f, cy = top + m.gapY / 2.0f, r = m.gapX / 2.0f;
  FillEllipse(canvas, cx, cy, r, r, theme.dotDark);
  FillEllipse(canvas, cx - 0.4f * s, cy - 0.4f * s, r - 0.9f * s, r - 0.9f * s, theme.dot);
  FillEllipse(canvas, cx - 1.0f * s, cy - 1.0f * s, 0.9f * s, 0.9f * s, theme.dotLight);
}
