// The program's file, as the desktop's /proc knows it.
#include <unistd.h>

#include "host/program.h"

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
