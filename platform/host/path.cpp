// Conversions between the device's strings and paths and the desktop's, by SDL's iconv.
#include "host/path.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/emulator.h"

namespace {
constexpr const char* Utf16 = SDL_BYTEORDER == SDL_LIL_ENDIAN ? "UTF-16LE" : "UTF-16BE";

// Converts exactly `size` bytes; SDL_iconv_string is not used because it does not always
// terminate a UTF-16 result. Text that is not valid in its encoding gives false.
bool Convert(const char* to, const char* from, const char* text, size_t size, std::string& out) {
  out.clear();
  if (size == 0) return true;
  SDL_iconv_t cd = SDL_iconv_open(to, from);
  if (cd == reinterpret_cast<SDL_iconv_t>(-1)) return false;
  std::string buffer(2 * size + 8, '\0');  // UTF-8 <-> UTF-16 never grows more than this
  const char* in = text;
  size_t inLeft = size;
  char* outStart = buffer.data();
  char* outNext = outStart;
  size_t outLeft = buffer.size();
  const size_t result = SDL_iconv(cd, &in, &inLeft, &outNext, &outLeft);
  SDL_iconv_close(cd);
  if (result == SDL_ICONV_ERROR || result == SDL_ICONV_E2BIG || result == SDL_ICONV_EILSEQ ||
      result == SDL_ICONV_EINVAL || inLeft != 0)
    return false;
  out.assign(outStart, static_cast<size_t>(outNext - outStart));
  return true;
}

}  // namespace

std::string Utf8FromDevice(LPCWSTR text) {
  if (text == nullptr) return {};
  size_t length = 0;
  while (text[length] != 0) ++length;
  std::string result;
  if (!Convert("UTF-8", Utf16, reinterpret_cast<const char*>(text), length * sizeof(WCHAR), result))
    return {};
  return result;
}

std::u16string DeviceFromUtf8(const std::string& text) {
  std::string bytes;
  if (!Convert(Utf16, "UTF-8", text.data(), text.size(), bytes)) return {};
  std::u16string result(bytes.size() / sizeof(WCHAR), u'\0');
  std::memcpy(result.data(), bytes.data(), result.size() * sizeof(WCHAR));
  // Text with a NUL in it cannot be a device string, which ends at its first NUL.
  return result.substr(0, result.find(u'\0'));
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

std::u16string EmulatorDevicePath(const std::string& desktopPath) { return DevicePath(desktopPath); }

std::string EmulatorDesktopPath(LPCWSTR devicePath) { return HostPath(devicePath); }
