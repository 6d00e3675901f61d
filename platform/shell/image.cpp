// Image files decoded into bitmaps. The files decoded last are kept with their pixels, so
// the same skin loaded again (the main window's creation and each of its size changes
// load it) is not decoded again: a file whose bytes are the same gives a bitmap sharing
// those pixels, which output into it first makes its own (gdi.cpp).
#include <cstdint>
#include <vector>

#include "gdi/gdi.h"
#include "host/file.h"
#include "host/path.h"
#include "platform/aygshell.h"

namespace {

struct Decoded {
  std::vector<uint8_t> bytes;
  HostImage* pixels;
};

constexpr size_t Kept = 4;  // the images of one skin
// The most recent last; kept to the end of the run, as bitmaps may outlive everything else.
std::vector<Decoded>& recent = *new std::vector<Decoded>;

constexpr size_t MaxFileBytes = size_t{64} << 20;

}  // namespace

HBITMAP SHLoadImageFile(LPCWSTR fileName) {
  if (fileName == nullptr) return nullptr;
  std::vector<uint8_t> bytes;
  if (!HostReadFile(HostPath(fileName), MaxFileBytes, bytes)) return nullptr;
  for (auto it = recent.begin(); it != recent.end(); ++it) {
    if (it->bytes != bytes) continue;
    Decoded known = std::move(*it);
    recent.erase(it);
    recent.push_back(std::move(known));
    return NewBitmap(HostImageShare(recent.back().pixels));
  }
  HBITMAP bitmap = NewBitmap(HostImageDecode(bytes.data(), bytes.size()));
  if (bitmap == nullptr) return nullptr;
  recent.push_back(Decoded{std::move(bytes), HostImageShare(bitmap->pixels)});
  if (recent.size() > Kept) {
    HostImageFree(recent.front().pixels);
    recent.erase(recent.begin());
  }
  return bitmap;
}
