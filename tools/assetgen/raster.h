// A tiny RGB raster and the few shapes the skin artwork is drawn with. Shape edges are
// smoothed in quarter steps only, so each edge adds at most three in-between colours and
// a whole sprite sheet of six skins still fits a 256-colour GIF palette.
#pragma once

#include <cstdint>
#include <vector>

typedef uint32_t Colour;  // 0xRRGGBB

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;
};

Canvas MakeCanvas(int width, int height, Colour fill);
Colour PixelAt(const Canvas& canvas, int x, int y);
void PutPixel(Canvas& canvas, int x, int y, Colour colour);  // ignores points outside

// Colour arithmetic: Mix goes from a (0) to b (256); Shade darkens (negative) or lightens.
Colour Mix(Colour a, Colour b, int amount256);
Colour Shade(Colour colour, int amount256);

// Rectangles are left, top, right, bottom with right and bottom exclusive, clipped.
void FillRect(Canvas& canvas, int left, int top, int right, int bottom, Colour colour);
void BlendRect(Canvas& canvas, int left, int top, int right, int bottom, Colour colour, int amount256);
// Copies a canvas onto another, straight or turned about the main diagonal.
void Blit(Canvas& to, int left, int top, const Canvas& from, bool transpose);

// Coverage of one pixel by a shape, in quarters (0-4), from 4 x 4 samples.
template <typename Inside>
int Coverage(int x, int y, const Inside& inside) {
  int hits = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4) ? 1 : 0;
  return (hits + 2) / 4;
}

// Paints a shape given by its inside test over the pixels from left, top to right, bottom;
// `opacity` (out of 256) lets the backdrop show through, for shadows and glows.
template <typename Inside>
void FillShape(Canvas& canvas, int left, int top, int right, int bottom, Colour colour, const Inside& inside,
               int opacity = 256) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (const int quarters = Coverage(x, y, inside))
        PutPixel(canvas, x, y, Mix(PixelAt(canvas, x, y), colour, quarters * opacity / 4));
}

// Shapes in pixel coordinates (a pixel's centre is at +0.5).
void FillEllipse(Canvas& canvas, float cx, float cy, float rx, float ry, Colour colour);
void FillRing(Canvas& canvas, float cx, float cy, float outer, float inner, Colour colour);
void FillRoundRect(Canvas& canvas, float left, float top, float right, float bottom, float radius,
                   Colour colour, int opacity = 256);
void FillDiamond(Canvas& canvas, float cx, float cy, float rx, float ry, Colour colour);
// A stroke with round ends from (x0, y0) to (x1, y1).
void FillStroke(Canvas& canvas, float x0, float y0, float x1, float y1, float width, Colour colour);
