// The shape list on a raster and in SVG.
#include "tools/assetgen/shapes.h"

#include <cmath>
#include <cstdio>

void DrawShapes(Canvas& canvas, const std::vector<Shape>& shapes, float grid) {
  const float k = canvas.width / grid;
  for (const Shape& s : shapes) switch (s.kind) {
      case ShapeKind::RoundRect:
        FillRoundRect(canvas, s.a * k, s.b * k, s.c * k, s.d * k, s.e * k, s.colour);
        break;
      case ShapeKind::Ellipse: FillEllipse(canvas, s.a * k, s.b * k, s.c * k, s.d * k, s.colour); break;
      case ShapeKind::Ring: FillRing(canvas, s.a * k, s.b * k, s.c * k, s.d * k, s.colour); break;
      case ShapeKind::Diamond: FillDiamond(canvas, s.a * k, s.b * k, s.c * k, s.d * k, s.colour); break;
      case ShapeKind::Stroke:
        FillStroke(canvas, s.a * k, s.b * k, s.c * k, s.d * k, s.e * k, s.colour);
        break;
    }
}

namespace {

// Numbers as short as they can be, so the file stays readable.
std::string Number(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g", static_cast<double>(value));
  return text;
}

std::string Fill(Colour colour) {
  char text[24];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour));
  return text;
}

std::string Element(const Shape& s) {
  const std::string colour = Fill(s.colour);
  switch (s.kind) {
    case ShapeKind::RoundRect:
      return "<rect x=\"" + Number(s.a) + "\" y=\"" + Number(s.b) + "\" width=\"" + Number(s.c - s.a) +
             "\" height=\"" + Number(s.d - s.b) + "\" rx=\"" + Number(s.e) + "\" fill=\"" + colour + "\"/>";
    case ShapeKind::Ellipse:
      return "<ellipse cx=\"" + Number(s.a) + "\" cy=\"" + Number(s.b) + "\" rx=\"" + Number(s.c) +
             "\" ry=\"" + Number(s.d) + "\" fill=\"" + colour + "\"/>";
    case ShapeKind::Ring:  // a circle stroked along the middle of the ring
      return "<circle cx=\"" + Number(s.a) + "\" cy=\"" + Number(s.b) + "\" r=\"" + Number((s.c + s.d) / 2) +
             "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + Number(s.c - s.d) + "\"/>";
    case ShapeKind::Diamond:
      return "<polygon points=\"" + Number(s.a) + "," + Number(s.b - s.d) + " " + Number(s.a + s.c) + "," +
             Number(s.b) + " " + Number(s.a) + "," + Number(s.b + s.d) + " " + Number(s.a - s.c) + "," +
             Number(s.b) + "\" fill=\"" + colour + "\"/>";
    case ShapeKind::Stroke:
      return "<line x1=\"" + Number(s.a) + "\" y1=\"" + Number(s.b) + "\" x2=\"" + Number(s.c) + "\" y2=\"" +
             Number(s.d) + "\" stroke=\"" + colour + "\" stroke-width=\"" + Number(s.e) +
             "\" stroke-linecap=\"round\"/>";
  }
  return "";
}

}  // namespace

std::string ShapesSvg(const std::vector<Shape>& shapes, float grid, int size, const char* title) {
  const std::string side = std::to_string(size);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      side + "\" height=\"" + side + "\" viewBox=\"0 0 " + Number(grid) + " " + Number(grid) +
      "\">\n  <title>" + title + "</title>\n";
  for (const Shape& shape : shapes) svg += "  " + Element(shape) + "\n";
  return svg + "</svg>\n";
}
