// A throw-away configuration folder for tests that touch the registry file: XDG_CONFIG_HOME
// and HOME point into a fresh temporary folder, so the player's own files are never read.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/emulator.h"
#include "platform/winreg.h"

// Makes the folder and points the environment at it; returns the registry file's path. The
// program under test is named as the game is, so its file lies where the game's would.
inline std::string UseTempConfig(std::string& root) {
  char pattern[] = "/tmp/marlix-test-XXXXXX";
  root = mkdtemp(pattern);
  setenv("HOME", root.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
  EmulatorSetProgramName(u"marlix-pentro");
  return root + "/config/marlix-pentro/registry.reg";
}

// The registry's writes still on their way land first, so none makes the folder again.
inline void RemoveTempConfig(const std::string& root) {
  RegFlushKey(HKEY_CURRENT_USER);
  std::error_code error;
  if (!root.empty()) std::filesystem::remove_all(root, error);
}

inline std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileText(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

inline bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

// A number's four bytes, lowest first, as a dword is stored.
inline std::vector<BYTE> Le(int32_t v) { return {BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)}; }

// Sets a value through a key created (or opened) for it, closes the key and waits until
// the file is written.
inline void SetValue(LPCWSTR path, LPCWSTR name, const std::vector<BYTE>& data, DWORD type = REG_BINARY) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, 0, nullptr, &key, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())));
  RegCloseKey(key);
  RegFlushKey(HKEY_CURRENT_USER);
}
