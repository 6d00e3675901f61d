// GIF writing through giflib.
#include "tools/assetgen/gif_writer.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int MaxColours = 256;

// Palette in order of first use, so the same picture always gives the same bytes. A small
// open-addressing table keeps the lookup cheap; no colour is above 0xFFFFFF, so that value
// marks a free slot.
bool BuildPalette(const Canvas& canvas, std::vector<Colour>& palette, std::vector<GifByteType>& indices) {
  constexpr size_t Slots = 4096;
  constexpr Colour Free = 0xFFFFFFFF;
  std::vector<Colour> keys(Slots, Free);
  std::vector<GifByteType> values(Slots, 0);
  indices.resize(canvas.pixels.size());
  Colour lastColour = Free;
  GifByteType lastIndex = 0;
  for (size_t i = 0; i < canvas.pixels.size(); ++i) {
    const Colour colour = canvas.pixels[i];
    if (colour != lastColour) {
      size_t slot = (colour * 2654435761u) >> 20 & (Slots - 1);
      while (keys[slot] != colour && keys[slot] != Free) slot = (slot + 1) & (Slots - 1);
      if (keys[slot] == Free) {
        if (palette.size() == MaxColours) return false;
        keys[slot] = colour;
        values[slot] = static_cast<GifByteType>(palette.size());
        palette.push_back(colour);
      }
      lastColour = colour;
      lastIndex = values[slot];
    }
    indices[i] = lastIndex;
  }
  return true;
}

}  // namespace

bool WriteGif(const std::string& path, const Canvas& canvas) {
  std::vector<Colour> palette;
  std::vector<GifByteType> indices;
  if (!BuildPalette(canvas, palette, indices)) {
    std::fprintf(stderr, "%s: more than %d colours\n", path.c_str(), MaxColours);
    return false;
  }
  int bits = 1;
  while ((1 << bits) < static_cast<int>(palette.size())) ++bits;
  ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
  if (map == nullptr) return false;
  for (int i = 0; i < map->ColorCount; ++i) {
    const Colour colour = i < static_cast<int>(palette.size()) ? palette[i] : 0;
    map->Colors[i] = GifColorType{static_cast<GifByteType>(colour >> 16), static_cast<GifByteType>(colour >> 8 & 0xFF),
                                  static_cast<GifByteType>(colour & 0xFF)};
  }
  // Opened here rather than by giflib, which would make the file readable by its owner only.
  int error = 0;
  const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  GifFileType* gif = file < 0 ? nullptr : EGifOpenFileHandle(file, &error);
  if (file >= 0 && gif == nullptr) close(file);
  bool ok = gif != nullptr;
  if (ok) {
    ok = EGifPutScreenDesc(gif, canvas.width, canvas.height, bits, 0, map) == GIF_OK &&
         EGifPutImageDesc(gif, 0, 0, canvas.width, canvas.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < canvas.height; ++y)
      ok = EGifPutLine(gif, &indices[static_cast<size_t>(y) * canvas.width], canvas.width) == GIF_OK;
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  }
  GifFreeMapObject(map);
  if (!ok) std::fprintf(stderr, "%s: cannot write\n", path.c_str());
  return ok;
}
