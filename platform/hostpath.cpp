// Conversions between the device's strings and paths and the desktop's, by SDL's iconv.
#include "platform/hostpath.h"

#include <SDL.h>

#include <algorithm>

namespace {
constexpr const char* Utf16 = SDL_BYTEORDER == SDL_LIL_ENDIAN ? "UTF-16LE" : "UTF-16BE";
}  // namespace

std::string Utf8FromDevice(LPCWSTR text) {
  if (text == nullptr) return {};
  size_t length = 0;
  while (text[length] != 0) ++length;
  if (length == 0) return {};
  // The terminator is converted too: SDL's converter does not always end a result that is
  // shorter than its input.
  char* converted =
      SDL_iconv_string("UTF-8", Utf16, reinterpret_cast<const char*>(text), (length + 1) * sizeof(WCHAR));
  if (converted == nullptr) return {};
  std::string result(converted);
  SDL_free(converted);
  return result;
}

std::u16string DeviceFromUtf8(const std::string& text) {
  if (text.empty()) return {};
  char* converted = SDL_iconv_string(Utf16, "UTF-8", text.c_str(), text.size() + 1);
  if (converted == nullptr) return {};
  std::u16string result(reinterpret_cast<const char16_t*>(converted));
  SDL_free(converted);
  return result;
}

std::string HostPath(LPCWSTR devicePath) {
  std::string path = Utf8FromDevice(devicePath);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::u16string DevicePath(const std::string& hostPath) {
  std::u16string path = DeviceFromUtf8(hostPath);
  std::replace(path.begin(), path.end(), u'/', u'\\');
  return path;
}
