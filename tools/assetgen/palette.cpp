// The exact palette.
#include "tools/assetgen/palette.h"

#include <cstddef>

bool BuildPalette(const Canvas& canvas, std::vector<Colour>& palette, std::vector<uint8_t>& indices) {
  // A small open-addressing table keeps the lookup cheap; no colour is above 0xFFFFFF, so
  // that value marks a free slot.
  constexpr size_t Slots = 4096;
  constexpr Colour Free = 0xFFFFFFFF;
  std::vector<Colour> keys(Slots, Free);
  std::vector<uint8_t> values(Slots, 0);
  palette.clear();
  indices.resize(canvas.pixels.size());
  Colour lastColour = Free;
  uint8_t lastIndex = 0;
  for (size_t i = 0; i < canvas.pixels.size(); ++i) {
    const Colour colour = canvas.pixels[i];
    if (colour != lastColour) {
      size_t slot = (colour * 2654435761u) >> 20 & (Slots - 1);
      while (keys[slot] != colour && keys[slot] != Free) slot = (slot + 1) & (Slots - 1);
      if (keys[slot] == Free) {
        if (palette.size() == MaxPaletteColours) return false;
        keys[slot] = colour;
        values[slot] = static_cast<uint8_t>(palette.size());
        palette.push_back(colour);
      }
      lastColour = colour;
      lastIndex = values[slot];
    }
    indices[i] = lastIndex;
  }
  return true;
}
