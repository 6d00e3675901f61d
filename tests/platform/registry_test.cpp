// The registry and its file: when the file is written and where, what damaged text gives,
// and a replacement stopped at any step leaving the old file or the new one.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <tuple>
#include <vector>

#include "platform/emulator.h"
#include "platform/winreg.h"
#include "registry/regfile.h"
#include "tests/support/temp_config.h"

namespace {

struct RegistryTest : testing::Test {
  std::string root, file;
  void SetUp() override { file = UseTempConfig(root); }
  void TearDown() override {
    EmulatorStopRegistryWriteBefore(0);
    RemoveTempConfig(root);
  }
};

LONG Open(LPCWSTR path, HKEY& key) { return RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, 0, &key); }

// A value's bytes as a fresh open of its key finds them; empty when it is missing.
std::vector<BYTE> Read(LPCWSTR path, LPCWSTR name) {
  HKEY key;
  BYTE data[16] = {};
  DWORD size = sizeof data;
  if (Open(path, key) != ERROR_SUCCESS) return {};
  const bool found = RegQueryValueExW(key, name, nullptr, nullptr, data, &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found ? std::vector<BYTE>(data, data + size) : std::vector<BYTE>{};
}

// Values set between an open and its close reach the disk together, and the file is read
// afresh at the next open, so a player's edit between runs holds. (Where the file lives is
// the host's tests' part.)
TEST_F(RegistryTest, TheFileIsWrittenWhenAChangedKeyIsClosedAndReadAtTheNextOpen) {
  SetValue(u"K", u"a", Le(1), REG_DWORD);
  const std::string before = ReadFileText(file);
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, Open(u"K", key));
  RegSetValueExW(key, u"b", 0, REG_DWORD, Le(2).data(), 4);
  EXPECT_EQ(before, ReadFileText(file)) << "nothing reaches the disk before the close";
  RegCloseKey(key);
  RegFlushKey(HKEY_CURRENT_USER);
  std::string after = ReadFileText(file);
  EXPECT_NE(std::string::npos, after.find("\"a\"=dword:00000001\n\"b\"=dword:00000002\n"));
  after.replace(after.find("00000002"), 8, "00000007");
  WriteFileText(file, after);
  EXPECT_EQ((std::vector<BYTE>{7, 0, 0, 0}), Read(u"K", u"b"));
  EXPECT_EQ(after, ReadFileText(file)) << "a key closed unchanged writes nothing";
}

const std::string Head = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\T]\n";
const std::string Version = "Windows Registry Editor Version 5.00\n";
const std::string A = "\"a\"=dword:00000001\n", B = "\"b\"=dword:00000002\n";  // a = 1, b = 2

TEST_F(RegistryTest, DamagedTextGivesWhatIsValidAndIsKeptAsideWhenReplaced) {
  const std::vector<BYTE> One{1, 0, 0, 0}, Two{2, 0, 0, 0}, None;
  std::string hugeValue = Head + "\"a\"=hex:00";
  for (int i = 0; i < 1 << 20; ++i) hugeValue += ",00";
  // What the text is, the text, which of a = 1 and b = 2 in key T read back, and whether it
  // is understood whole, so not kept aside when replaced.
  const std::tuple<const char*, std::string, const char*, bool> cases[] = {
      {"CRLF, blank lines and comments", Head + "\"a\"=dword:00000001\r\n\r\n; a comment\n", "a", true},
      {"empty file", "", "", false},
      {"no header", "[HKEY_CURRENT_USER\\T]\n\"a\"=dword:00000001\n", "a", false},
      {"binary junk between values", Head + A + std::string("\0\xff\xfe\x01junk\0\n", 10) + B, "ab", false},
      {"cut inside the last line", Head + A + "\"b\"=dword:0000000", "a", false},
      {"last line complete but not ended", Head + A + "\"b\"=hex:02,00", "a", false},
      {"cut after a wrapped line", Head + A + "\"b\"=hex:02,00,\\\n", "a", false},
      {"cut inside a wrapped line", Head + "\"b\"=hex:02,00,\\\n  00,0", "", false},
      {"bad hex digit", Head + "\"a\"=hex:0g,00\n" + B, "b", false},
      {"a string value", Head + "\"a\"=\"text\"\n" + B, "b", false},
      {"deletions are not taken", Head + "\"a\"=-\n" + B + "[-HKEY_CURRENT_USER\\T]\n", "b", false},
      {"invalid UTF-8 in a name", Head + "\"a\xff\"=dword:00000001\n" + B, "b", false},
      {"a huge line", Head + std::string(3 << 20, 'x') + "\n\"a\"=dword:00000001\n", "a", false},
      {"a value over a megabyte", hugeValue + "\n", "", false},
      {"a name given twice: the later holds", Head + "\"a\"=dword:00000009\n" + A, "a", false},
      {"value before any key", Version + A + "[HKEY_CURRENT_USER\\T]\n" + B, "b", false},
      {"another hive", Version + "[HKEY_LOCAL_MACHINE\\T]\n\"a\"=dword:00000001\n", "", false},
  };
  for (const auto& [what, text, read, clean] : cases) {
    SCOPED_TRACE(what);
    std::remove((file + ".damaged").c_str());
    WriteFileText(file, text);
    const auto check = [&] {
      EXPECT_EQ(std::strchr(read, 'a') ? One : None, Read(u"T", u"a"));
      EXPECT_EQ(std::strchr(read, 'b') ? Two : None, Read(u"T", u"b"));
    };
    check();
    EXPECT_EQ(text, ReadFileText(file)) << "reading never writes";
    SetValue(u"U", u"x", Le(1), REG_DWORD);  // the first replacement keeps a damaged file aside
    check();
    ASSERT_EQ(!clean, FileExists(file + ".damaged"));
    EXPECT_EQ(clean ? std::string() : text, ReadFileText(file + ".damaged"));
    RegStore store;
    RegReadText(ReadFileText(file), store);
    EXPECT_FALSE(store.damaged);
  }
}

TEST_F(RegistryTest, AReplacementStoppedAtAnyStepLeavesTheOldFileOrTheNew) {
  for (int step = RegistryWriteFolder; step <= RegistryWriteDone; ++step) {
    for (bool damaged : {false, true}) {
      SCOPED_TRACE(testing::Message() << "stopped before step " << step << (damaged ? ", damaged file" : ""));
      RemoveTempConfig(root + "/config");
      SetValue(u"T", u"a", Le(1), REG_DWORD);
      if (damaged) WriteFileText(file, ReadFileText(file) + "junk\n");
      EmulatorStopRegistryWriteBefore(step);
      SetValue(u"T", u"a", Le(2), REG_DWORD);
      EmulatorStopRegistryWriteBefore(0);
      EXPECT_EQ((std::vector<BYTE>{static_cast<BYTE>(step > RegistryWriteRename ? 2 : 1), 0, 0, 0}),
                Read(u"T", u"a"));
      SetValue(u"T", u"a", Le(3), REG_DWORD);  // whatever was left behind, the next replacement goes through
      EXPECT_EQ((std::vector<BYTE>{3, 0, 0, 0}), Read(u"T", u"a"));
    }
  }
}

}  // namespace
