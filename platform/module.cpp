// The program's own path, from the desktop's /proc, written the device's way.
#include <unistd.h>

#include <string>

#include "host/path.h"
#include "platform/winbase.h"

DWORD GetModuleFileNameW(HMODULE, LPWSTR fileName, DWORD nSize) {
  if (fileName == nullptr || nSize == 0) return 0;
  char buffer[4096];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) {
    fileName[0] = 0;
    return 0;
  }
  buffer[length] = 0;
  const std::u16string path = DevicePath(buffer);
  const size_t count = path.size() < nSize ? path.size() : nSize - 1;
  path.copy(fileName, count);
  fileName[count] = 0;
  return static_cast<DWORD>(count);
}
