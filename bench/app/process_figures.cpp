// Processor time and peak memory of a process, from /proc.
#include "process_figures.h"

#include <filesystem>
#include <fstream>
#include <string>

int64_t ProcessorTime(pid_t pid) {
  int64_t total = 0;
  std::error_code error;
  for (const auto& task :
       std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
    std::ifstream stat(task.path() / "schedstat");
    int64_t onCpu = 0;
    if (stat >> onCpu) total += onCpu;
  }
  return total;
}

int64_t PeakMemory(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
  return 0;
}
