// The program's name, from what the program says or its file's name, and its variables.
#include "host/program.h"

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
