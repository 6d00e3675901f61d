// Backgrounds: the skin's backdrop over the whole screen, the framed board with every
// corner point, line and box not yet taken, and the two labelled score fields above it.
#include <algorithm>
#include <cmath>

#include "game/board.h"
#include "tools/assetgen/pixel_font.h"
#include "tools/assetgen/skin_images.h"

namespace {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  return h ^ h >> 15;
}

// A vertical blend from `top` to `bottom` in a fixed number of bands.
Colour Band(Colour top, Colour bottom, int y, int height, int bands) {
  const int band = std::min(bands - 1, y * bands / height);
  return Mix(top, bottom, band * 256 / (bands - 1));
}

void FillGradient(Canvas& canvas, Colour top, Colour bottom, int bands) {
  for (int y = 0; y < canvas.height; ++y)
    FillRect(canvas, 0, y, canvas.width, y + 1, Band(top, bottom, y, canvas.height, bands));
}

// Fine grain: here and there one of the art's pixels (`s` screen pixels square, like every
// other detail of the picture) a touch lighter or darker, as on a desk or on cloth. Sparse
// and at the art's scale, so the large screens' pictures stay small to download.
void AddGrain(Canvas& canvas, int amount256, uint32_t seed, int s) {
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const uint32_t h = Hash(x / s, y / s, seed) % 8;
      if (h < 2) PutPixel(canvas, x, y, Shade(PixelAt(canvas, x, y), h == 0 ? amount256 : -amount256));
    }
}

// Stars everywhere but around the score fields and the title, where they would read as dots
// of text.
void DrawStars(Canvas& canvas, const SkinTheme& theme, const RECT& clear, int s) {
  const Colour shades[3] = {Mix(theme.backdropTop, theme.backdropDetail, 96),
                            Mix(theme.backdropTop, theme.backdropDetail, 170), theme.backdropDetail};
  for (int y = 0; y < canvas.height; y += s)
    for (int x = 0; x < canvas.width; x += s) {
      const uint32_t h = Hash(x / s, y / s, 7);
      if (h % 420 != 0 || (x >= clear.left && x < clear.right && y >= clear.top && y < clear.bottom))
        continue;
      const int brightness = h / 420 % 3;
      FillRect(canvas, x, y, x + s, y + s, shades[brightness]);
      if (brightness == 2 && h / 1260 % 3 == 0) {  // now and then a twinkle
        FillRect(canvas, x - s, y, x, y + s, shades[0]);
        FillRect(canvas, x + s, y, x + 2 * s, y + s, shades[0]);
        FillRect(canvas, x, y - s, x + s, y, shades[0]);
        FillRect(canvas, x, y + s, x + s, y + 2 * s, shades[0]);
      }
    }
}

// Planks laid across the screen, each with its own wavy grain and tone.
void DrawWood(Canvas& canvas, const SkinTheme& theme, int s) {
  const int plank = 36 * s;
  for (int y = 0; y < canvas.height; ++y) {
    const int row = y / plank;
    const float phase = static_cast<float>(Hash(row, 0, 3) % 1000) / 100.0f;
    const int tone = static_cast<int>(Hash(row, 1, 3) % 3) * 24;
    const int joint = static_cast<int>(Hash(row, 2, 3) % static_cast<uint32_t>(canvas.width));
    for (int x = 0; x < canvas.width; ++x) {
      const float wave = y / static_cast<float>(s) + 3.0f * std::sin(x / (41.0f * s) + phase) +
                         1.2f * std::sin(x / (13.0f * s) + 2 * phase);
      const float grain = wave / 5.0f - std::floor(wave / 5.0f);
      const int level = static_cast<int>(grain * grain * 4);  // 0-3, the dark rings narrow
      Colour colour = Mix(theme.backdropDetail, theme.backdropBottom, level * 64 + tone);
      if (y % plank < s || std::abs(x - joint) < s) colour = Shade(theme.backdropBottom, -90);
      PutPixel(canvas, x, y, colour);
    }
  }
}

// An evening sky; where the screen leaves room below the board, the sun sets into the sea.
void DrawSunset(Canvas& canvas, const SkinTheme& theme, const RECT& board, int s) {
  const int horizon = board.bottom + (canvas.height - board.bottom) * 9 / 20;
  const Colour sea = Shade(theme.backdropDetail, -60);
  const auto row = [&](int y) {
    if (y < horizon / 2) return Band(theme.backdropTop, theme.backdropDetail, y, horizon / 2, 16);
    if (y < horizon)
      return Band(theme.backdropDetail, theme.backdropBottom, y - horizon / 2, horizon - horizon / 2, 16);
    return Band(sea, theme.backdropTop, y - horizon, canvas.height - horizon, 6);
  };
  for (int y = 0; y < canvas.height; ++y) FillRect(canvas, 0, y, canvas.width, y + 1, row(y));
  const float cx = canvas.width / 2.0f, radius = std::min(canvas.width, canvas.height) * 0.16f;
  FillEllipse(canvas, cx, horizon, radius * 1.35f, radius * 1.35f, Mix(theme.backdropBottom, 0xFFE0A0, 80));
  FillEllipse(canvas, cx, horizon, radius, radius, 0xFFD890);
  for (int y = horizon; y < canvas.height; ++y) FillRect(canvas, 0, y, canvas.width, y + 1, row(y));
  for (int y = horizon + 2 * s, i = 0; y < canvas.height; y += 3 * s, ++i) {  // the sun's glitter
    const int half = static_cast<int>(radius * (1.0f - i * 0.12f));
    if (half <= 0) break;
    FillRect(canvas, static_cast<int>(cx) - half, y, static_cast<int>(cx) + half, y + s, 0xF7B070);
  }
}

void DrawBackdrop(Canvas& canvas, const SkinTheme& theme, const BoardMetrics& m, int s) {
  switch (theme.backdrop) {
    case Backdrop::Gradient: FillGradient(canvas, theme.backdropTop, theme.backdropBottom, 24); break;
    case Backdrop::Paper:
      FillGradient(canvas, theme.backdropTop, theme.backdropBottom, 12);
      AddGrain(canvas, 6, 1, s);
      break;
    case Backdrop::Stars: {
      FillGradient(canvas, theme.backdropTop, theme.backdropBottom, 24);
      const RECT header = {m.userScoreX - 8 * s, 0, BoardRect(m).right + 4 * s, m.userScoreY + 21 * s};
      DrawStars(canvas, theme, header, s);
      break;
    }
    case Backdrop::Wood: DrawWood(canvas, theme, s); break;
    case Backdrop::Felt:
      FillGradient(canvas, theme.backdropTop, theme.backdropBottom, 12);
      AddGrain(canvas, 10, 2, s);
      break;
    case Backdrop::Sunset: DrawSunset(canvas, theme, BoardRect(m), s); break;
  }
}

// The board's plate with a dark outer rim, a light inner rim and a soft shadow beneath.
void DrawPlate(Canvas& canvas, const RECT& board, const SkinTheme& theme, int s) {
  const float pad = 4.0f * s, radius = 4.0f * s;
  const float l = board.left - pad, t = board.top - pad, r = board.right + pad, b = board.bottom + pad;
  FillRoundRect(canvas, l, t + s, r + 2 * s, b + 3 * s, radius + s, 0x000000, 80);
  FillRoundRect(canvas, l - s, t - s, r + s, b + s, radius + s, theme.plateRim);
  FillRoundRect(canvas, l, t, r, b, radius, theme.plateRimLight);
  FillRoundRect(canvas, l + s, t + s, r - s, b - s, radius - s, theme.plate);
}

// A score field: a panel behind the number, which is drawn at its top left, and the side's
// name at its right.
void DrawScoreField(Canvas& canvas, const RECT& field, const char* label, Colour labelColour,
                    const SkinTheme& theme, int s) {
  const float l = field.left - 4.0f * s, t = field.top - 3.0f * s;
  const float r = field.right + 3.0f * s, b = field.top + 18.0f * s;
  FillRoundRect(canvas, l, t, r, b, 3.0f * s, theme.panelRim);
  FillRoundRect(canvas, l + s, t + s, r - s, b - s, 2.0f * s, theme.panel);
  // sitting on the numbers' baseline, about 11 pixels (22 on the large screens) down
  const PixelFont& font = s == 1 ? SmallFont : RegularFont;
  const int width = TextWidth(font, label, s, 0);
  DrawText(canvas, field.right - s - width, field.top + 11 * s - font.height * s, font, label, s, 0,
           labelColour);
}

}  // namespace

Canvas DrawBackground(const SkinTheme& theme, int32_t resolutionId) {
  const BoardMetrics& m = Layouts[resolutionId];
  const int s = ArtScale(m);
  Canvas canvas = MakeCanvas(ScreenSizes[resolutionId].cx, ScreenSizes[resolutionId].cy, theme.backdropTop);
  DrawBackdrop(canvas, theme, m, s);

  const RECT board = BoardRect(m);
  DrawPlate(canvas, board, theme, s);
  for (int cell = 0; cell < CellCount; ++cell) {
    const RECT rect = CellRect(m, cell);
    DrawCell(canvas, rect.left, rect.top, m, theme, KindOfCell(cell), OwnerNone);
  }
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 8; ++col) {
      const RECT corner = CornerRect(m, row, col);
      DrawCorner(canvas, corner.left, corner.top, m, theme);
    }

  DrawScoreField(canvas, UserScoreRect(m), "YOU", theme.userLabel, theme, s);
  DrawScoreField(canvas, ComputerScoreRect(m), "CPU", theme.computerLabel, theme, s);
  const char* title = "MARLIX PENTRO";
  DrawText(canvas, board.right - TextWidth(RegularFont, title, s, s), m.userScoreY + 4 * s, RegularFont,
           title, s, s, theme.title);
  return canvas;
}
