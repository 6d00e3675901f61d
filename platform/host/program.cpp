// The program's name and file, from what the program says and the desktop's /proc.
#include "host/program.h"

#include <unistd.h>

#include <cstdlib>

#include "host/path.h"
#include "platform/emulator.h"

namespace {

std::string& Name() {
  static std::string name;
  return name;
}

}  // namespace

void EmulatorSetProgramName(LPCWSTR name) { Name() = name != nullptr ? Utf8FromDevice(name) : std::string(); }

const std::string& HostProgramName() {
  std::string& name = Name();
  if (name.empty()) {
    const std::string path = HostProgramPath();
    name = path.substr(path.rfind('/') + 1);
  }
  return name;
}

const char* HostProgramVariable(const char* suffix) {
  std::string variable;
  for (char c : HostProgramName())
    variable += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c == '-' ? '_' : c;
  return std::getenv((variable + "_" + suffix).c_str());
}

std::string HostProgramPath() {
  char buffer[4096];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  return std::string(buffer, static_cast<size_t>(length));
}

std::string HostProgramFolder() {
  const std::string path = HostProgramPath();
  if (path.empty()) return ".";
  return path.substr(0, path.rfind('/'));
}
