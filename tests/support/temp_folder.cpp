// Temporary folders for tests, removed when the test program ends.
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

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
