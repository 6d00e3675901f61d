// The program's own path, written the device's way.
#include <string>

#include "host/path.h"
#include "host/program.h"
#include "platform/winbase.h"

DWORD GetModuleFileNameW(HMODULE, LPWSTR fileName, DWORD nSize) {
  if (fileName == nullptr || nSize == 0) return 0;
  const std::string file = HostProgramPath();
  if (file.empty()) {
    fileName[0] = 0;
    return 0;
  }
  const std::u16string path = DevicePath(file);
  const size_t count = path.size() < nSize ? path.size() : nSize - 1;
  path.copy(fileName, count);
  fileName[count] = 0;
  return static_cast<DWORD>(count);
}
