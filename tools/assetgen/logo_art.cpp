// The logo is drawn with the skins' own pieces (corner points, rods, tiles), so it looks like
// the board the player knows, on a white ground that melts into the About box.
#include "tools/assetgen/logo_art.h"

#include "game/board.h"
#include "tools/assetgen/board_art.h"
#include "tools/assetgen/pixel_font.h"
#include "tools/assetgen/skin_themes.h"
#include "view/layout_table.h"

namespace {

constexpr Colour Ground = 0xFFFFFF;

// Three points by three with 20-pixel lines between them: 4 + 3 x 7 + 2 x 20 + 4 = 69.
BoardMetrics LogoBoard(int s) {
  BoardMetrics m{};
  m.gapX = m.gapY = m.hLineHeight = m.vLineWidth = 7 * s;
  m.hLineWidth = m.vLineHeight = m.boxWidth = m.boxHeight = 20 * s;
  m.originX = m.originY = 4 * s;
  return m;
}

// A moment of play: the player has closed the top-left box, the computer the bottom-right.
struct Piece {
  int cell;
  int32_t owner;
};
const Piece Play[] = {
    {0, OwnerUser},      {22, OwnerUser},     {7, OwnerUser},  {9, OwnerComputer},  {8, OwnerUser},
    {23, OwnerComputer}, {45, OwnerComputer}, {31, OwnerUser}, {33, OwnerComputer}, {32, OwnerComputer},
};

}  // namespace

Canvas DrawLogo(int s) {
  const SkinTheme& theme = SkinThemes[0];
  Canvas canvas = MakeCanvas(LogoWidth * s, LogoHeight * s, Ground);
  const int side = LogoWidth * s;
  FillRoundRect(canvas, 0, 2 * s, side, side + 2 * s, 6.0f * s, 0x000000, 48);  // a soft shadow beneath
  FillRoundRect(canvas, 0, 0, side, side, 6.0f * s, theme.plateRim);
  FillRoundRect(canvas, s, s, side - s, side - s, 5.0f * s, theme.plateRimLight);
  FillRoundRect(canvas, 2 * s, 2 * s, side - 2 * s, side - 2 * s, 4.0f * s, theme.plate);

  // The empty patch first, as a background shows it: every line and box that lies within it.
  const BoardMetrics m = LogoBoard(s);
  const int edge = m.originX + 2 * m.pitchX() + m.gapX;
  for (int cell = 0; cell < 2 * RowStride + 2; ++cell) {
    const RECT r = CellRect(m, cell);
    if (r.right <= edge && r.bottom <= edge)
      DrawCell(canvas, r.left, r.top, m, theme, KindOfCell(cell), OwnerNone);
  }
  for (const Piece& piece : Play) {
    const RECT r = CellRect(m, piece.cell);
    DrawCell(canvas, r.left, r.top, m, theme, KindOfCell(piece.cell), piece.owner);
  }
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const RECT r = CornerRect(m, row, col);
      DrawCorner(canvas, r.left, r.top, m, theme);
    }

  // The name in two colours, spaced out a little so the small letters stay apart.
  const int spacing = s, space = 5 * s;
  const int marlix = TextWidth(SmallFont, "MARLIX", s, spacing),
            pentro = TextWidth(SmallFont, "PENTRO", s, spacing);
  const int left = (LogoWidth * s - marlix - space - pentro) / 2, top = 74 * s;
  DrawText(canvas, left, top, SmallFont, "MARLIX", s, spacing, theme.plateRim);
  DrawText(canvas, left + marlix + space, top, SmallFont, "PENTRO", s, spacing, theme.computer.dark);
  return canvas;
}
