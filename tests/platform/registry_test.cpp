// The registry calls and their file: what opening, creating, querying and setting give
// back, when and how the file is written, and what comes back from it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

#include "platform/winreg.h"
#include "tests/support/temp_config.h"

namespace {

struct RegistryTest : testing::Test {
  std::string root;
  std::string file;
  void SetUp() override { file = UseTempConfig(root); }
  void TearDown() override { RemoveTempConfig(root); }
};

HKEY Create(LPCWSTR path) {
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, 0, nullptr, &key, nullptr));
  return key;
}

LONG Open(LPCWSTR path, HKEY& key) { return RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, 0, &key); }

void SetBytes(HKEY key, LPCWSTR name, DWORD type, const std::vector<BYTE>& data) {
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())));
}

void SetDword(HKEY key, LPCWSTR name, int32_t value) {
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4));
}

// Opens the key afresh (so the file is read again) and reads a value's bytes.
bool ReadBack(LPCWSTR path, LPCWSTR name, std::vector<BYTE>& data, DWORD* type = nullptr) {
  HKEY key;
  if (Open(path, key) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  DWORD storedType = REG_NONE;
  bool found = RegQueryValueExW(key, name, nullptr, &storedType, nullptr, &size) == ERROR_SUCCESS;
  data.assign(size, 0);
  if (found) found = RegQueryValueExW(key, name, nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS;
  if (type != nullptr) *type = storedType;
  RegCloseKey(key);
  return found;
}

TEST_F(RegistryTest, KeysAreOpenedOnlyOnceCreatedAndWithOrWithoutTheTrailingBackslash) {
  HKEY key;
  EXPECT_NE(ERROR_SUCCESS, Open(u"Software\\Marlix Pentro\\", key));
  EXPECT_FALSE(FileExists(file));

  DWORD disposition = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Marlix Pentro\\Status\\", 0, nullptr, 0,
                                           0, nullptr, &key, &disposition));
  EXPECT_EQ(REG_CREATED_NEW_KEY, disposition);
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
  EXPECT_TRUE(FileExists(file)) << "a created key is kept";

  for (LPCWSTR path : {u"Software\\Marlix Pentro\\Status\\", u"Software\\Marlix Pentro\\Status",
                       u"Software\\Marlix Pentro\\", u"Software\\Marlix Pentro", u"Software"}) {
    ASSERT_EQ(ERROR_SUCCESS, Open(path, key)) << "the key and every key above it exist";
    RegCloseKey(key);
  }
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Marlix Pentro", 0, nullptr, 0, 0,
                                           nullptr, &key, &disposition));
  EXPECT_EQ(REG_OPENED_EXISTING_KEY, disposition);
  RegCloseKey(key);

  for (LPCWSTR bad : {u"Software\\\\Marlix", u"\\Software", u"Soft\nware"})
    EXPECT_NE(ERROR_SUCCESS, Open(bad, key));
}

TEST_F(RegistryTest, QueriesFailForMissingOrOversizedValuesAndShortValuesFillTheLeadingBytes) {
  HKEY key = Create(u"K\\");
  SetBytes(key, u"two", REG_BINARY, {0xAA, 0xBB});
  SetBytes(key, u"eight", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8});
  SetDword(key, u"four", -2);
  RegCloseKey(key);
  ASSERT_EQ(ERROR_SUCCESS, Open(u"K\\", key));

  BYTE buffer[4] = {9, 9, 9, 9};
  DWORD size = 4;
  DWORD type = REG_NONE;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, u"none", nullptr, &type, buffer, &size));

  size = 4;
  EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExW(key, u"eight", nullptr, &type, buffer, &size));
  EXPECT_EQ(8u, size);
  EXPECT_EQ((std::vector<BYTE>{9, 9, 9, 9}), std::vector<BYTE>(buffer, buffer + 4)) << "buffer left alone";

  size = 4;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, u"two", nullptr, &type, buffer, &size));
  EXPECT_EQ(2u, size);
  EXPECT_EQ(REG_BINARY, type);
  EXPECT_EQ((std::vector<BYTE>{0xAA, 0xBB, 9, 9}), std::vector<BYTE>(buffer, buffer + 4));

  int32_t value = 0;
  size = 4;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, u"four", nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size));
  EXPECT_EQ(-2, value);
  EXPECT_EQ(REG_DWORD, type);
  RegCloseKey(key);
}

TEST_F(RegistryTest, ValueNamesKeepTheirCaseInMemoryAndInTheFile) {
  HKEY key = Create(u"Software\\Marlix Pentro\\Status\\");
  SetDword(key, u"f", 0);
  SetDword(key, u"F", 1);
  RegCloseKey(key);

  const std::string text = ReadFileText(file);
  EXPECT_NE(std::string::npos, text.find("\"f\"=dword:00000000\n"));
  EXPECT_NE(std::string::npos, text.find("\"F\"=dword:00000001\n"));
  std::vector<BYTE> lower, upper;
  ASSERT_TRUE(ReadBack(u"Software\\Marlix Pentro\\Status", u"f", lower));
  ASSERT_TRUE(ReadBack(u"Software\\Marlix Pentro\\Status", u"F", upper));
  EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0}), lower);
  EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), upper);
}

TEST_F(RegistryTest, TheFileIsWrittenWhenAChangedKeyIsClosedAndOnlyThen) {
  HKEY key = Create(u"K");
  RegCloseKey(key);
  const std::string before = ReadFileText(file);

  ASSERT_EQ(ERROR_SUCCESS, Open(u"K", key));
  SetDword(key, u"a", 1);
  SetDword(key, u"b", 2);
  EXPECT_EQ(before, ReadFileText(file)) << "nothing reaches the disk before the close";
  RegCloseKey(key);
  const std::string after = ReadFileText(file);
  EXPECT_NE(std::string::npos, after.find("\"a\"=dword:00000001\n\"b\"=dword:00000002\n"));

  // A key opened and closed without a change does not rewrite the file, and the file is
  // read afresh at the next open, so a player's edit between runs holds.
  std::string edited = after;
  edited.replace(edited.find("00000002"), 8, "00000007");
  WriteFileText(file, edited);
  std::vector<BYTE> data;
  ASSERT_TRUE(ReadBack(u"K", u"b", data));
  EXPECT_EQ((std::vector<BYTE>{7, 0, 0, 0}), data);
  EXPECT_EQ(edited, ReadFileText(file));
}

TEST_F(RegistryTest, TheFileAndItsFolderAreTheOwnersOnly) {
  RegCloseKey(Create(u"K"));
  struct stat info;
  ASSERT_EQ(0, stat(file.c_str(), &info));
  EXPECT_EQ(0600u, info.st_mode & 0777);
  ASSERT_EQ(0, stat((root + "/config/marlix-pentro").c_str(), &info));
  EXPECT_EQ(0700u, info.st_mode & 0777);
}

TEST_F(RegistryTest, WithoutXdgConfigHomeTheFileLivesInDotConfig) {
  unsetenv("XDG_CONFIG_HOME");
  RegCloseKey(Create(u"K"));
  EXPECT_TRUE(FileExists(root + "/.config/marlix-pentro/registry.reg"));
  setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored, as the convention says
  HKEY key;
  EXPECT_EQ(ERROR_SUCCESS, Open(u"K", key));
  RegCloseKey(key);
}

TEST_F(RegistryTest, LongBinaryValuesAreWrappedAsExportFilesAreAndComeBackWhole) {
  std::vector<BYTE> data(644);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<BYTE>(i * 37);
  HKEY key = Create(u"K");
  SetBytes(key, u"box", REG_BINARY, data);
  SetBytes(key, u"odd", 7, {1, 2});
  SetBytes(key, u"", REG_BINARY, {});
  SetBytes(key, u"quote\"and\\slash", REG_DWORD, {1, 2});  // a dword of the wrong size
  SetBytes(key, u"Äpfel ☺", REG_BINARY, {3});
  RegCloseKey(key);

  const std::string text = ReadFileText(file);
  size_t lines = 0, start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1, ++lines)
    EXPECT_LE(end - start, 80u) << "line " << lines;
  EXPECT_GT(lines, 25u);
  EXPECT_NE(std::string::npos, text.find("\"odd\"=hex(7):01,02\n"));
  EXPECT_NE(std::string::npos, text.find("@=hex:\n"));
  EXPECT_NE(std::string::npos, text.find("\"quote\\\"and\\\\slash\"=hex(4):01,02\n"));

  std::vector<BYTE> back;
  DWORD type;
  ASSERT_TRUE(ReadBack(u"K", u"box", back, &type));
  EXPECT_EQ(data, back);
  EXPECT_EQ(REG_BINARY, type);
  ASSERT_TRUE(ReadBack(u"K", u"odd", back, &type));
  EXPECT_EQ(7u, type);
  ASSERT_TRUE(ReadBack(u"K", u"", back));
  EXPECT_TRUE(back.empty());
  ASSERT_TRUE(ReadBack(u"K", u"quote\"and\\slash", back, &type));
  EXPECT_EQ((std::vector<BYTE>{1, 2}), back);
  EXPECT_EQ(REG_DWORD, type);
  ASSERT_TRUE(ReadBack(u"K", u"Äpfel ☺", back));
  EXPECT_FALSE(FileExists(file + ".damaged")) << "what the writer writes, the reader takes whole";
}

TEST_F(RegistryTest, BadHandlesAndNamesAreRefused) {
  HKEY key = Create(u"K");
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueExW(key, u"new\nline", 0, REG_DWORD, nullptr, 0));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueExW(key, u"x", 0, REG_BINARY, nullptr, 4));
  const char16_t loneSurrogate[] = {0xD800, 0};
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueExW(key, loneSurrogate, 0, REG_BINARY, nullptr, 0));
  RegCloseKey(key);
  DWORD size = 4;
  BYTE data[4];
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key)) << "closed twice";
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueExW(key, u"x", nullptr, nullptr, data, &size));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegSetValueExW(key, u"x", 0, REG_DWORD, data, 4));
  HKEY sub;
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegOpenKeyExW(key, u"Sub", 0, 0, &sub));
}

TEST_F(RegistryTest, KeysOpenBelowAnOpenKey) {
  HKEY parent = Create(u"Software\\Marlix Pentro");
  HKEY child = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(parent, u"Status\\", 0, nullptr, 0, 0, nullptr, &child, nullptr));
  SetDword(child, u"first", 1);
  RegCloseKey(child);
  RegCloseKey(parent);
  std::vector<BYTE> data;
  EXPECT_TRUE(ReadBack(u"Software\\Marlix Pentro\\Status\\", u"first", data));
}

}  // namespace
