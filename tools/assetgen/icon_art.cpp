// The icon's shapes, on a grid of 64 units: four corner points, the four lines between them
// and the box they close. Drawn big and plain so it still reads at 16 pixels.
#include "tools/assetgen/icon_art.h"

#include <algorithm>

#include "tools/assetgen/shapes.h"
#include "tools/assetgen/skin_themes.h"

namespace {

constexpr float Grid = 64;
constexpr float Near = 16, Far = 48;  // the corner points' centres
constexpr float Rod = 7;              // a drawn line's thickness

std::vector<Shape> IconShapes() {
  const SkinTheme& theme = SkinThemes[0];
  const Ink& ink = theme.user;
  std::vector<Shape> shapes = {
      {ShapeKind::RoundRect, 1, 1, 63, 63, 12, theme.plateRim},
      {ShapeKind::RoundRect, 2.5f, 2.5f, 61.5f, 61.5f, 10.5f, theme.plateRimLight},
      {ShapeKind::RoundRect, 4, 4, 60, 60, 9, theme.plate},
  };
  // The lines, lit from the top left like the skin's rods: a light edge, the fill, a dark edge.
  const float h = Rod / 2, edge = 1.5f;
  for (const float at : {Near, Far}) {
    shapes.push_back({ShapeKind::RoundRect, Near, at - h, Far, at + h, 0, ink.dark});
    shapes.push_back({ShapeKind::RoundRect, Near, at - h, Far, at + h - edge, 0, ink.fill});
    shapes.push_back({ShapeKind::RoundRect, Near, at - h, Far, at - h + edge, 0, ink.light});
    shapes.push_back({ShapeKind::RoundRect, at - h, Near, at + h, Far, 0, ink.dark});
    shapes.push_back({ShapeKind::RoundRect, at - h, Near, at + h - edge, Far, 0, ink.fill});
    shapes.push_back({ShapeKind::RoundRect, at - h, Near, at - h + edge, Far, 0, ink.light});
  }
  // The taken box: a bevelled tile with the player's ring.
  const float l = Near + h + 3, r = Far - h - 3, c = (Near + Far) / 2;
  shapes.push_back({ShapeKind::RoundRect, l, l, r, r, 3, ink.dark});
  shapes.push_back({ShapeKind::RoundRect, l, l, r - 1.5f, r - 1.5f, 3, ink.light});
  shapes.push_back({ShapeKind::RoundRect, l + 1.5f, l + 1.5f, r - 1.5f, r - 1.5f, 2, ink.fill});
  shapes.push_back({ShapeKind::Ring, c, c, 7, 4, 0, ink.mark});
  // The corner points: silver studs over the line ends.
  for (const float y : {Near, Far})
    for (const float x : {Near, Far}) {
      shapes.push_back({ShapeKind::Ellipse, x, y, 7.5f, 7.5f, 0, theme.dotDark});
      shapes.push_back({ShapeKind::Ellipse, x - 0.7f, y - 0.7f, 6, 6, 0, theme.dot});
      shapes.push_back({ShapeKind::Ellipse, x - 2.5f, y - 2.5f, 2, 2, 0, theme.dotLight});
    }
  return shapes;
}

}  // namespace

Canvas DrawIcon(int size, std::vector<uint8_t>& alpha) {
  // Drawn over black and over white: how far a pixel follows the backdrop tells its coverage,
  // and the black one, divided by that, its colour.
  const std::vector<Shape> shapes = IconShapes();
  Canvas onBlack = MakeCanvas(size, size, 0x000000);
  Canvas onWhite = MakeCanvas(size, size, 0xFFFFFF);
  DrawShapes(onBlack, shapes, Grid);
  DrawShapes(onWhite, shapes, Grid);
  Canvas icon = MakeCanvas(size, size, 0);
  alpha.assign(onBlack.pixels.size(), 0);
  for (size_t i = 0; i < onBlack.pixels.size(); ++i) {
    const int a = 255 - static_cast<int>((onWhite.pixels[i] & 0xFF) - (onBlack.pixels[i] & 0xFF));
    alpha[i] = static_cast<uint8_t>(a);
    if (a == 0) continue;
    Colour colour = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int channel = static_cast<int>(onBlack.pixels[i] >> shift & 0xFF);
      colour |= static_cast<Colour>(std::min(255, (channel * 255 + a / 2) / a)) << shift;
    }
    icon.pixels[i] = colour;
  }
  return icon;
}

Canvas DrawFullIcon(int size) {
  // The plate's rims go; what is left shrinks by a fifth about the middle, where the studs'
  // outer edges stay within the circle of two fifths of the size that launchers keep.
  std::vector<Shape> shapes = IconShapes();
  shapes.erase(shapes.begin(), shapes.begin() + 3);
  constexpr float Shrink = 0.8f, Middle = Grid / 2;
  const auto at = [](float v) { return Middle + (v - Middle) * Shrink; };
  for (Shape& shape : shapes) {
    shape.a = at(shape.a);
    shape.b = at(shape.b);
    const bool corners = shape.kind == ShapeKind::RoundRect || shape.kind == ShapeKind::Stroke;
    shape.c = corners ? at(shape.c) : shape.c * Shrink;
    shape.d = corners ? at(shape.d) : shape.d * Shrink;
    shape.e *= Shrink;
  }
  Canvas icon = MakeCanvas(size, size, SkinThemes[0].plate);
  DrawShapes(icon, shapes, Grid);
  return icon;
}

std::string IconSvg() { return ShapesSvg(IconShapes(), Grid, IconSize, "Marlix Pentro"); }
