// Temporary folders for tests, removed when the test program ends.
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/emulator.h"

namespace {

// Made on first use: a test may ask for a folder while the program's globals are made.
std::vector<std::string>& Made() {
  static std::vector<std::string> folders;
  return folders;
}

void RemoveAll() {
  std::error_code ignored;
  for (const std::string& folder : Made()) std::filesystem::remove_all(folder, ignored);
}

}  // namespace

std::string MakeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "marlix-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return {};
  if (Made().empty()) std::atexit(RemoveAll);
  Made().push_back(pattern);
  return pattern;
}

void UseTestEnvironment() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::string home = MakeTempFolder();
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  EmulatorSetPauses(FALSE);
}
