// Test images written with giflib.
#include "tests/support/gif_file.h"

#include <gif_lib.h>

#include <map>

bool WriteGif(const std::string& path, int width, int height, const std::vector<COLORREF>& pixels) {
  std::map<COLORREF, GifPixelType> index;
  std::vector<GifColorType> colours;
  std::vector<GifPixelType> indexed(pixels.size());
  for (size_t i = 0; i < pixels.size(); ++i) {
    auto found = index.find(pixels[i]);
    if (found == index.end()) {
      if (colours.size() == 256) return false;
      found = index.emplace(pixels[i], static_cast<GifPixelType>(colours.size())).first;
      colours.push_back(GifColorType{GetRValue(pixels[i]), GetGValue(pixels[i]), GetBValue(pixels[i])});
    }
    indexed[i] = found->second;
  }
  colours.resize(256, GifColorType{0, 0, 0});
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (gif == nullptr) return false;
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  bool ok = map != nullptr && EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < height; ++y)
    ok = EGifPutLine(gif, indexed.data() + static_cast<size_t>(y) * width, width) == GIF_OK;
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}
