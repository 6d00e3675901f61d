// The skin images as the game loads them: every file under its name and size, sheets whose
// cells tell the sides and the skins apart, corner points where the layout puts them, and
// readable score fields.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/board.h"
#include "tests/support/contrast.h"
#include "view/layout_table.h"

namespace {

struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  std::vector<uint32_t> Cut(const RECT& r) const {  // row by row
    std::vector<uint32_t> out;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) out.push_back(At(x, y));
    return out;
  }
};

// A GIF of one frame covering its whole screen; an empty picture for anything else.
Picture ReadGif(const std::string& path) {
  Picture picture;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr) return picture;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
    const GifImageDesc& frame = gif->SavedImages[0].ImageDesc;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (map && frame.Left == 0 && frame.Top == 0 && frame.Width == gif->SWidth &&
        frame.Height == gif->SHeight) {
      picture.width = gif->SWidth;
      picture.height = gif->SHeight;
      for (int i = 0; i < picture.width * picture.height; ++i) {
        const GifColorType c = map->Colors[gif->SavedImages[0].RasterBits[i]];
        picture.pixels.push_back(static_cast<uint32_t>(c.Red) << 16 | c.Green << 8 | c.Blue);
      }
    }
  }
  DGifCloseFile(gif, &error);
  return picture;
}

const char* const Skins[] = {"default", "skin1", "skin2", "skin3", "skin4", "skin5"};
const char* const Sizes[] = {"240x320", "480x640", "480x800", "320x240", "640x480", "800x480"};  // by id
const char* const Kinds[] = {"horizontal_lines_", "vertical_lines_", "squares_"};
const int FirstCellOfKind[] = {0, 7, 8};
const int SheetIds[] = {0, 1, 3, 4};  // the resolution ids that have sheets of their own

std::string BackgroundName(int skin, int id) {
  return std::string(Skins[skin]) + "_background_" + Sizes[id] + ".gif";
}
std::string SheetName(int kind, int id) { return Kinds[kind] + std::string(Sizes[id]) + ".gif"; }

// The sprite of one side and skin, cut from a sheet as the game copies it: vertical lines
// have the skins across and the sides down, the other sheets the other way round.
std::vector<uint32_t> SheetCell(const Picture& sheet, int kind, int id, int skin, int32_t owner) {
  const RECT r = CellRect(Layouts[id], FirstCellOfKind[kind]);
  const int w = r.right - r.left, h = r.bottom - r.top, side = owner == OwnerUser ? 0 : 1;
  const int x = (kind == 1 ? skin : side) * w, y = (kind == 1 ? side : skin) * h;
  return sheet.Cut(RECT{x, y, x + w, y + h});
}

// A file the game may load, read once from the build's resource folder.
const Picture& Image(const std::string& name) {
  static std::map<std::string, Picture> pictures;
  auto [it, added] = pictures.try_emplace(name);
  if (added) it->second = ReadGif(std::string(MARLIX_RES_DIR) + "/" + name);
  return it->second;
}

// Each sheet is a grid of its layout's sprites, two sides by six skins, every cell its own.
TEST(SkinImages, SheetsHoldADifferentSpriteForEverySideAndSkin) {
  for (int kind = 0; kind < 3; ++kind)
    for (int id : SheetIds) {
      const Picture& sheet = Image(SheetName(kind, id));
      const RECT sprite = CellRect(Layouts[id], FirstCellOfKind[kind]);
      const int across = kind == 1 ? 6 : 2;
      ASSERT_EQ(
          std::make_pair(sheet.width, sheet.height),
          std::make_pair(across * (sprite.right - sprite.left), 12 / across * (sprite.bottom - sprite.top)))
          << SheetName(kind, id) << " is missing, unreadable or of another size";
      std::set<std::vector<uint32_t>> cells;
      for (int skin = 0; skin < 6; ++skin)
        for (int32_t owner : {OwnerUser, OwnerComputer})
          cells.insert(SheetCell(sheet, kind, id, skin, owner));
      EXPECT_EQ(cells.size(), 12u) << SheetName(kind, id);
    }
}

// Every background is there under its name, as large as its screen, and fits the layout:
// the empty board looks the same under every cell of a kind, so a sprite fits wherever it
// is copied, and each sprite of the sheet it goes with shows on it; each corner point
// differs from the board just outside its four corners; and where two digits of a 9-point
// font fall in a score field, the field contrasts with the numbers' colour, white or the
// paper skin's grey.
TEST(SkinImages, EveryBackgroundIsThereAndFitsTheLayoutAndTheSprites) {
  for (int id = 0; id < ResolutionCount; ++id)
    for (int skin = 0; skin < 6; ++skin) {
      SCOPED_TRACE(BackgroundName(skin, id));
      const BoardMetrics& m = Layouts[id];
      const Picture& background = Image(BackgroundName(skin, id));
      ASSERT_EQ(std::make_pair(background.width, background.height),
                std::make_pair(ScreenSizes[id].cx, ScreenSizes[id].cy))
          << "missing, unreadable or of another size";
      const int sheetId = id == 2 ? 1 : id == 5 ? 4 : id;
      for (int kind = 0; kind < 3; ++kind) {
        const std::vector<uint32_t> empty = background.Cut(CellRect(m, FirstCellOfKind[kind]));
        for (int32_t owner : {OwnerUser, OwnerComputer})
          EXPECT_NE(SheetCell(Image(SheetName(kind, sheetId)), kind, sheetId, skin, owner), empty) << kind;
        for (int cell = 0; cell < CellCount; ++cell)
          if (kind == (IsHorizontalLine(cell) ? 0 : IsVerticalLine(cell) ? 1 : IsBox(cell) ? 2 : -1)) {
            ASSERT_EQ(background.Cut(CellRect(m, cell)), empty) << "cell " << cell;
          }
      }
      for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col) {
          const RECT r = CornerRect(m, row, col);
          const uint32_t dot = background.At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
          for (const int x : {r.left - 1, r.right})
            for (const int y : {r.top - 1, r.bottom})
              EXPECT_NE(dot, background.At(x, y)) << "point " << row << "," << col;
        }
      for (const RECT& field : {UserScoreRect(m), ComputerScoreRect(m)}) {
        double worst = 100;
        for (int y = field.top; y < field.top + m.scoreHeight * 3 / 4; ++y)
          for (int x = field.left; x < field.left + m.scoreWidth / 2; ++x)
            worst = std::min(worst, ContrastRatio(skin == 1 ? 0x757A7F : 0xFFFFFF, background.At(x, y)));
        EXPECT_GE(worst, 3.0) << "score field at " << field.left << "," << field.top;
      }
    }
}

}  // namespace
