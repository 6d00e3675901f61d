// The icon a phone's launcher cuts to its own shape: the plate to the very edges, and the
// board's corner wholly inside the circle every launcher's shape keeps.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/assetgen/icon_art.h"
#include "tools/assetgen/skin_themes.h"

namespace {

TEST(FullIcon, PlateToTheEdgesAndTheBoardWithinTheSafeCircle) {
  for (const int size : {192, 512}) {
    SCOPED_TRACE(size);
    const Canvas icon = DrawFullIcon(size);
    ASSERT_TRUE(icon.width == size && icon.height == size) << icon.width << "x" << icon.height;
    const Colour plate = SkinThemes[0].plate;
    // Launchers keep a circle of four fifths of the size across; the picture goes no further.
    const double centre = size / 2.0, safe = size * 0.4;
    int drawn = 0, outside = 0;
    double farthest = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        if (PixelAt(icon, x, y) == plate) continue;
        ++drawn;
        const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
        farthest = std::max(farthest, distance);
        if (distance > safe) ++outside;
      }
    EXPECT_EQ(outside, 0) << "the farthest drawn pixel lies " << farthest / size << " of the size from the middle";
    // The lines, the box and the studs cover a good part of it, not a speck in the middle.
    EXPECT_GT(drawn, size * size / 8);
    EXPECT_GT(farthest, size * 0.3);
    for (const int edge : {0, size - 1}) {
      EXPECT_EQ(PixelAt(icon, edge, size / 2), plate);
      EXPECT_EQ(PixelAt(icon, size / 2, edge), plate);
      EXPECT_EQ(PixelAt(icon, edge, edge), plate);
    }
  }
}

}  // namespace
