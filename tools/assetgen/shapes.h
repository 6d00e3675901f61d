// A picture as a list of filled shapes on a square grid of units, drawn either onto a raster
// at any size or as SVG, so a bitmap and a vector file of it are the same picture.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/raster.h"

enum class ShapeKind {
  RoundRect,  // left a, top b, right c, bottom d, corner radius e
  Ellipse,    // centre a, b; radii c, d
  Ring,       // centre a, b; outer radius c, inner radius d
  Diamond,    // centre a, b; half width c, half height d
  Stroke,     // from a, b to c, d with round ends, width e
};

struct Shape {
  ShapeKind kind;
  float a, b, c, d, e;
  Colour colour;
};

// Draws the shapes in order onto `canvas`, the grid's `grid` units spread over its width.
void DrawShapes(Canvas& canvas, const std::vector<Shape>& shapes, float grid);
// An SVG document `size` pixels square whose view box is the grid.
std::string ShapesSvg(const std::vector<Shape>& shapes, float grid, int size, const char* title);
