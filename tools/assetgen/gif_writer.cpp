// GIF writing through giflib.
#include "tools/assetgen/gif_writer.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "tools/assetgen/palette.h"

bool WriteGif(const std::string& path, const Canvas& canvas) {
  std::vector<Colour> palette;
  std::vector<uint8_t> indices;
  if (!BuildPalette(canvas, palette, indices)) {
    std::fprintf(stderr, "%s: more than %d colours\n", path.c_str(), MaxPaletteColours);
    return false;
  }
  int bits = 1;
  while ((1 << bits) < static_cast<int>(palette.size())) ++bits;
  ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
  if (map == nullptr) return false;
  for (int i = 0; i < map->ColorCount; ++i) {
    const Colour colour = i < static_cast<int>(palette.size()) ? palette[i] : 0;
    map->Colors[i] =
        GifColorType{static_cast<GifByteType>(colour >> 16), static_cast<GifByteType>(colour >> 8 & 0xFF),
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
