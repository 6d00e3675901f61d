// Sprite sheets: every skin's drawn lines and taken boxes, in the grid the game copies from.
#include "game/board.h"
#include "tools/assetgen/skin_images.h"
#include "view/skin_names.h"

Canvas DrawSheet(CellKind kind, int32_t resolutionId) {
  const BoardMetrics& m = Layouts[resolutionId];
  const int width = kind == CellKind::HorizontalLine ? m.hLineWidth
                    : kind == CellKind::VerticalLine ? m.vLineWidth
                                                     : m.boxWidth;
  const int height = kind == CellKind::HorizontalLine ? m.hLineHeight
                     : kind == CellKind::VerticalLine ? m.vLineHeight
                                                      : m.boxHeight;
  const bool skinsAcross = kind == CellKind::VerticalLine;
  Canvas sheet = skinsAcross ? MakeCanvas(SkinCount * width, 2 * height, 0)
                             : MakeCanvas(2 * width, SkinCount * height, 0);
  for (int skin = 0; skin < SkinCount; ++skin)
    for (const int32_t owner : {OwnerUser, OwnerComputer}) {
      const int side = owner == OwnerUser ? 0 : 1;
      const int left = skinsAcross ? skin * width : side * width;
      const int top = skinsAcross ? side * height : skin * height;
      DrawCell(sheet, left, top, m, SkinThemes[skin], kind, owner);
    }
  return sheet;
}
