// Files as the device names them: whether one is there.
#include "host/file.h"

#include "host/path.h"
#include "platform/winbase.h"

DWORD GetFileAttributesW(LPCWSTR fileName) {
  if (fileName == nullptr || fileName[0] == 0) return INVALID_FILE_ATTRIBUTES;
  bool folder = false;
  if (!HostPathExists(HostPath(fileName), folder)) return INVALID_FILE_ATTRIBUTES;
  return folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}
