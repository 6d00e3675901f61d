// Image files decoded into bitmaps. The files decoded last are kept with their pixels, so
// the same skin loaded again (the main window's creation and each of its size changes
// load it) is not decoded again: a file whose bytes are the same gives a bitmap sharing
// those pixels, which output into it first makes its own (gdi.cpp).
#include <SDL_image.h>

#include <vector>

#include "host/path.h"
#include "platform/aygshell.h"
#include "platform/gdi.h"

namespace {

struct Decoded {
  std::vector<Uint8> bytes;
  SDL_Surface* pixels;
};

constexpr size_t Kept = 4;  // the images of one skin
// The most recent last; kept to the end of the run, as bitmaps may outlive everything else.
std::vector<Decoded>& recent = *new std::vector<Decoded>;

bool ReadFile(const std::string& path, std::vector<Uint8>& bytes) {
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (file == nullptr) return false;
  const Sint64 size = SDL_RWsize(file);
  bool read = size > 0 && size < (Sint64{64} << 20);
  if (read) {
    bytes.resize(static_cast<size_t>(size));
    read = SDL_RWread(file, bytes.data(), 1, bytes.size()) == bytes.size();
  }
  SDL_RWclose(file);
  return read;
}

}  // namespace

HBITMAP SHLoadImageFile(LPCWSTR fileName) {
  if (fileName == nullptr) return nullptr;
  std::vector<Uint8> bytes;
  if (!ReadFile(HostPath(fileName), bytes)) return nullptr;
  for (auto it = recent.begin(); it != recent.end(); ++it) {
    if (it->bytes != bytes) continue;
    Decoded known = std::move(*it);
    recent.erase(it);
    recent.push_back(std::move(known));
    ++recent.back().pixels->refcount;
    return NewBitmap(recent.back().pixels);
  }
  HBITMAP bitmap =
      NewBitmap(IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
  if (bitmap == nullptr) return nullptr;
  ++bitmap->pixels->refcount;
  recent.push_back(Decoded{std::move(bytes), bitmap->pixels});
  if (recent.size() > Kept) {
    SDL_FreeSurface(recent.front().pixels);
    recent.erase(recent.begin());
  }
  return bitmap;
}
