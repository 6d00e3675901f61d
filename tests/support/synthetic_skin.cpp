// The stand-in artwork.
#include "tests/support/synthetic_skin.h"

#include "platform/emulator.h"
#include "tools/assetgen/gif_writer.h"
#include "view/layout_table.h"
#include "view/skin_names.h"

COLORREF BackgroundPixel(int skin, int resolutionId, int x, int y) {
  return RGB(static_cast<BYTE>(16 * ((x / 3 + y / 5) % 8)), static_cast<BYTE>(30 + 30 * skin),
             static_cast<BYTE>(40 * resolutionId));
}

COLORREF SpritePixel(SheetKind kind, int resolutionId, int skin, int32_t owner, int x, int y) {
  return RGB(static_cast<BYTE>(130 + 20 * skin), static_cast<BYTE>((owner == 1 ? 200 : 60) + 12 * kind),
             static_cast<BYTE>(40 * ((x + 2 * y) % 4) + 5 * resolutionId));
}

bool WriteGif(const std::string& path, int width, int height,
              const std::function<COLORREF(int x, int y)>& pixel) {
  Canvas canvas = MakeCanvas(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixel(x, y);
      PutPixel(canvas, x, y, static_cast<Colour>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
    }
  return WriteGif(path, canvas);
}

bool WriteSyntheticBackground(const std::string& folder, int skin, int id) {
  const SIZE screen = ScreenSizes[id];
  return WriteGif(folder + EmulatorDesktopPath(SkinPrefix(skin)) + EmulatorDesktopPath(BackgroundName) +
                      EmulatorDesktopPath(BackgroundSuffix(id)),
                  screen.cx, screen.cy, [=](int x, int y) { return BackgroundPixel(skin, id, x, y); });
}

// Horizontal lines and squares: owners across, skins down; vertical lines: skins across,
// owners down. The user's sprite comes first.
bool WriteSyntheticSheet(const std::string& folder, SheetKind kind, int id) {
  const BoardMetrics& m = Layouts[id];
  const SIZE cell = kind == HorizontalSheet ? SIZE{m.hLineWidth, m.hLineHeight}
                    : kind == VerticalSheet ? SIZE{m.vLineWidth, m.vLineHeight}
                                            : SIZE{m.boxWidth, m.boxHeight};
  const bool skinsDown = kind != VerticalSheet;
  LPCWSTR names[] = {HorizontalLinesName, VerticalLinesName, SquaresName};
  return WriteGif(folder + EmulatorDesktopPath(names[kind]) + EmulatorDesktopPath(BackgroundSuffix(id)),
                  cell.cx * (skinsDown ? 2 : SkinCount), cell.cy * (skinsDown ? SkinCount : 2),
                  [=](int x, int y) {
                    const int across = x / cell.cx, down = y / cell.cy;
                    const int32_t owner = (skinsDown ? across : down) == 0 ? -1 : 1;
                    return SpritePixel(kind, id, skinsDown ? down : across, owner, x % cell.cx, y % cell.cy);
                  });
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
