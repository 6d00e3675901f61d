// Test images, written by the artwork's own GIF writer.
#include "tests/support/gif_file.h"

#include "tools/assetgen/gif_writer.h"

bool WriteGif(const std::string& path, int width, int height, const std::vector<COLORREF>& pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height) return false;
  Canvas canvas = MakeCanvas(width, height, 0);
  for (size_t i = 0; i < pixels.size(); ++i)
    canvas.pixels[i] = static_cast<Colour>(GetRValue(pixels[i])) << 16 |
                       static_cast<Colour>(GetGValue(pixels[i])) << 8 | GetBValue(pixels[i]);
  return WriteGif(path, canvas);
}
