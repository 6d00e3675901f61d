// Files read through SDL's own file access, which the web version has too; and looked
// for in the file system, the page's own on the web.
#include "host/file.h"

#include <SDL.h>
#include <sys/stat.h>

bool HostReadFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (file == nullptr) return false;
  const Sint64 size = SDL_RWsize(file);
  bool read = size > 0 && static_cast<uint64_t>(size) < limit;
  if (read) {
    bytes.resize(static_cast<size_t>(size));
    read = SDL_RWread(file, bytes.data(), 1, bytes.size()) == bytes.size();
  }
  SDL_RWclose(file);
  return read;
}

bool HostPathExists(const std::string& path, bool& folder) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  folder = S_ISDIR(info.st_mode);
  return true;
}
