// The stand-in artwork.
#include "tests/support/synthetic_skin.h"

#include <vector>

#include "tests/support/gif_file.h"
#include "view/layout_table.h"
#include "view/skin_names.h"

namespace {

std::string Narrow(LPCWSTR text) {
  std::string s;
  for (; *text != 0; ++text) s += *text == u'\\' ? '/' : static_cast<char>(*text);
  return s;
}

}  // namespace

COLORREF BackgroundPixel(int skin, int resolutionId, int x, int y) {
  return RGB(static_cast<BYTE>(16 * ((x / 3 + y / 5) % 8)), static_cast<BYTE>(30 + 30 * skin),
             static_cast<BYTE>(40 * resolutionId));
}

COLORREF SpritePixel(SheetKind kind, int resolutionId, int skin, int32_t owner, int x, int y) {
  return RGB(static_cast<BYTE>(130 + 20 * skin), static_cast<BYTE>((owner == 1 ? 200 : 60) + 12 * kind),
             static_cast<BYTE>(40 * ((x + 2 * y) % 4) + 5 * resolutionId));
}

SIZE SpriteSize(SheetKind kind, int resolutionId) {
  const BoardMetrics& m = Layouts[resolutionId];
  switch (kind) {
    case HorizontalSheet: return SIZE{m.hLineWidth, m.hLineHeight};
    case VerticalSheet: return SIZE{m.vLineWidth, m.vLineHeight};
    default: return SIZE{m.boxWidth, m.boxHeight};
  }
}

bool WriteSyntheticBackground(const std::string& folder, int skin, int resolutionId) {
  const SIZE screen = ScreenSizes[resolutionId];
  std::vector<COLORREF> pixels;
  for (int y = 0; y < screen.cy; ++y)
    for (int x = 0; x < screen.cx; ++x) pixels.push_back(BackgroundPixel(skin, resolutionId, x, y));
  const std::string name =
      folder + Narrow(SkinPrefix(skin)) + Narrow(BackgroundName) + Narrow(BackgroundSuffix(resolutionId));
  return WriteGif(name, screen.cx, screen.cy, pixels);
}

// Horizontal lines and squares: owners across, skins down; vertical lines: skins across,
// owners down. The user's sprite comes first.
bool WriteSyntheticSheet(const std::string& folder, SheetKind kind, int resolutionId) {
  const SIZE cell = SpriteSize(kind, resolutionId);
  const bool skinsDown = kind != VerticalSheet;
  const int width = cell.cx * (skinsDown ? 2 : SkinCount);
  const int height = cell.cy * (skinsDown ? SkinCount : 2);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int across = x / cell.cx, down = y / cell.cy;
      const int skin = skinsDown ? down : across;
      const int32_t owner = (skinsDown ? across : down) == 0 ? -1 : 1;
      pixels.push_back(SpritePixel(kind, resolutionId, skin, owner, x % cell.cx, y % cell.cy));
    }
  LPCWSTR names[] = {HorizontalLinesName, VerticalLinesName, SquaresName};
  return WriteGif(folder + Narrow(names[kind]) + Narrow(BackgroundSuffix(resolutionId)), width, height,
                  pixels);
}

bool WriteSyntheticSkins(const std::string& folder) {
  for (int id = 0; id < ResolutionCount; ++id) {
    for (int skin = 0; skin < SkinCount; ++skin)
      if (!WriteSyntheticBackground(folder, skin, id)) return false;
    if (SheetResolutionId(id) == id)
      for (SheetKind kind : {HorizontalSheet, VerticalSheet, SquaresSheet})
        if (!WriteSyntheticSheet(folder, kind, id)) return false;
  }
  return true;
}
