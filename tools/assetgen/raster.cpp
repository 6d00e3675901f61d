// The raster and its shapes.
#include "tools/assetgen/raster.h"

#include <algorithm>
#include <cmath>

Canvas MakeCanvas(int width, int height, Colour fill) {
  return Canvas{width, height, std::vector<Colour>(static_cast<size_t>(width) * height, fill)};
}

Colour PixelAt(const Canvas& canvas, int x, int y) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return 0;
  return canvas.pixels[static_cast<size_t>(y) * canvas.width + x];
}

void PutPixel(Canvas& canvas, int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
  canvas.pixels[static_cast<size_t>(y) * canvas.width + x] = colour;
}

Colour Mix(Colour a, Colour b, int amount256) {
  Colour out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int from = static_cast<int>(a >> shift & 0xFF);
    const int to = static_cast<int>(b >> shift & 0xFF);
    out |= static_cast<Colour>((from * (256 - amount256) + to * amount256 + 128) >> 8) << shift;
  }
  return out;
}

Colour Shade(Colour colour, int amount256) {
  return amount256 < 0 ? Mix(colour, 0x000000, -amount256) : Mix(colour, 0xFFFFFF, amount256);
}

void FillRect(Canvas& canvas, int left, int top, int right, int bottom, Colour colour) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, canvas.width);
  bottom = std::min(bottom, canvas.height);
  for (int y = top; y < bottom; ++y)
    std::fill_n(canvas.pixels.begin() + static_cast<size_t>(y) * canvas.width + left,
                std::max(right - left, 0), colour);
}

void BlendRect(Canvas& canvas, int left, int top, int right, int bottom, Colour colour, int amount256) {
  for (int y = std::max(top, 0); y < std::min(bottom, canvas.height); ++y)
    for (int x = std::max(left, 0); x < std::min(right, canvas.width); ++x)
      PutPixel(canvas, x, y, Mix(PixelAt(canvas, x, y), colour, amount256));
}

void Blit(Canvas& to, int left, int top, const Canvas& from, bool transpose) {
  for (int y = 0; y < from.height; ++y)
    for (int x = 0; x < from.width; ++x) {
      const Colour colour = PixelAt(from, x, y);
      if (transpose)
        PutPixel(to, left + y, top + x, colour);
      else
        PutPixel(to, left + x, top + y, colour);
    }
}

namespace {
// The pixels a shape centred at cx, cy with the given reach can touch.
void Bounds(float cx, float cy, float rx, float ry, int& left, int& top, int& right, int& bottom) {
  left = static_cast<int>(std::floor(cx - rx));
  top = static_cast<int>(std::floor(cy - ry));
  right = static_cast<int>(std::ceil(cx + rx));
  bottom = static_cast<int>(std::ceil(cy + ry));
}
}  // namespace

void FillEllipse(Canvas& canvas, float cx, float cy, float rx, float ry, Colour colour) {
  int left, top, right, bottom;
  Bounds(cx, cy, rx, ry, left, top, right, bottom);
  FillShape(canvas, left, top, right, bottom, colour, [=](float x, float y) {
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0f;
  });
}

void FillRing(Canvas& canvas, float cx, float cy, float outer, float inner, Colour colour) {
  int left, top, right, bottom;
  Bounds(cx, cy, outer, outer, left, top, right, bottom);
  FillShape(canvas, left, top, right, bottom, colour, [=](float x, float y) {
    const float d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d <= outer * outer && d >= inner * inner;
  });
}

void FillRoundRect(Canvas& canvas, float left, float top, float right, float bottom, float radius,
                   Colour colour, int opacity) {
  const auto inside = [=](float x, float y) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const float dx = std::max({left + radius - x, x - (right - radius), 0.0f});
    const float dy = std::max({top + radius - y, y - (bottom - radius), 0.0f});
    return dx * dx + dy * dy <= radius * radius;
  };
  // Only the rim needs sampling: in each row, a span between the rounded ends is whole.
  const int x0 = static_cast<int>(std::floor(left)), x1 = static_cast<int>(std::ceil(right));
  for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y) {
    int solidFrom = x1, solidTo = x1;
    if (y >= top && y + 1 <= bottom) {
      const bool straight = y >= top + radius && y + 1 <= bottom - radius;
      solidFrom = static_cast<int>(std::ceil(straight ? left : left + radius));
      solidTo = std::max(solidFrom, static_cast<int>(std::floor(straight ? right : right - radius)));
    }
    for (int x = x0; x < x1; ++x) {
      if (x == solidFrom && solidTo > solidFrom && opacity == 256) {
        FillRect(canvas, solidFrom, y, solidTo, y + 1, colour);
        x = solidTo - 1;
        continue;
      }
      const int quarters = x >= solidFrom && x < solidTo ? 4 : Coverage(x, y, inside);
      if (quarters) PutPixel(canvas, x, y, Mix(PixelAt(canvas, x, y), colour, quarters * opacity / 4));
    }
  }
}

void FillDiamond(Canvas& canvas, float cx, float cy, float rx, float ry, Colour colour) {
  int left, top, right, bottom;
  Bounds(cx, cy, rx, ry, left, top, right, bottom);
  FillShape(canvas, left, top, right, bottom, colour,
            [=](float x, float y) { return std::fabs(x - cx) / rx + std::fabs(y - cy) / ry <= 1.0f; });
}

void FillStroke(Canvas& canvas, float x0, float y0, float x1, float y1, float width, Colour colour) {
  const float half = width / 2;
  const int left = static_cast<int>(std::floor(std::min(x0, x1) - half));
  const int top = static_cast<int>(std::floor(std::min(y0, y1) - half));
  const int right = static_cast<int>(std::ceil(std::max(x0, x1) + half));
  const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + half));
  const float dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
  FillShape(canvas, left, top, right, bottom, colour, [=](float x, float y) {
    float t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float ex = x - (x0 + t * dx), ey = y - (y0 + t * dy);
    return ex * ex + ey * ey <= half * half;
  });
}
