// The registry file when it is not what the writer wrote: damaged text gives what is valid
// and leaves out the rest, a damaged file is kept aside when replaced, and a replacement
// stopped at any step leaves the old file or the new one.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <vector>

#include "platform/emulator.h"
#include "platform/regfile.h"
#include "platform/winreg.h"
#include "tests/support/temp_config.h"

namespace {

struct RegistryFileTest : testing::Test {
  std::string root;
  std::string file;
  void SetUp() override { file = UseTempConfig(root); }
  void TearDown() override {
    EmulatorStopRegistryWriteBefore(0);
    RemoveTempConfig(root);
  }
};

// What one value reads as: its bytes, or absent.
struct Expect {
  const char16_t* name;
  bool present;
  std::vector<BYTE> data;
};

struct DamagedCase {
  const char* what;
  std::string text;
  std::vector<Expect> values;  // in key T
};

const std::string Head = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\T]\n";
const Expect A1 = {u"a", true, {1, 0, 0, 0}};
const Expect B2 = {u"b", true, {2, 0, 0, 0}};
const Expect NoA = {u"a", false, {}};
const Expect NoB = {u"b", false, {}};

// "00,00,...,00": `count` bytes of hex text.
std::string HexRun(size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += i == 0 ? "00" : ",00";
  return text;
}

const std::vector<DamagedCase>& DamagedCases() {
  static const std::vector<DamagedCase> cases = {
      {"empty file", "", {NoA}},
      {"no header", "[HKEY_CURRENT_USER\\T]\n\"a\"=dword:00000001\n", {A1}},
      {"binary junk between values",
       Head + "\"a\"=dword:00000001\n" + std::string("\0\xff\xfe\x01junk\0\n", 10) + "\"b\"=dword:00000002\n",
       {A1, B2}},
      {"cut inside the last line", Head + "\"a\"=dword:00000001\n\"b\"=dword:0000000", {A1, NoB}},
      {"last line complete but not ended", Head + "\"a\"=dword:00000001\n\"b\"=hex:02,00", {A1, NoB}},
      {"cut after a wrapped line", Head + "\"a\"=dword:00000001\n\"b\"=hex:02,00,\\\n", {A1, NoB}},
      {"cut inside a wrapped line", Head + "\"b\"=hex:02,00,\\\n  00,0", {NoB}},
      {"a wrapped value followed by a new value", Head + "\"b\"=hex:02,\\\n\"a\"=dword:00000001\n", {A1, NoB}},
      {"bad hex digit", Head + "\"a\"=hex:0g,00\n\"b\"=dword:00000002\n", {NoA, B2}},
      {"one hex digit", Head + "\"a\"=hex:1,00\n", {NoA}},
      {"trailing comma", Head + "\"a\"=hex:01,\n", {NoA}},
      {"short dword", Head + "\"a\"=dword:0000001\n", {NoA}},
      {"long dword", Head + "\"a\"=dword:000000001\n", {NoA}},
      {"bad type number", Head + "\"a\"=hex(xyz):01\n\"b\"=hex(123456789):01\n", {NoA, NoB}},
      {"unquoted name", Head + "a=dword:00000001\n", {NoA}},
      {"unknown escape in a name", Head + "\"\\a\"=dword:00000001\n", {NoA}},
      {"name never closed", Head + "\"a=dword:00000001\n", {NoA}},
      {"a string value", Head + "\"a\"=\"text\"\n\"b\"=dword:00000002\n", {NoA, B2}},
      {"deletions are not taken", Head + "\"a\"=-\n\"b\"=dword:00000002\n[-HKEY_CURRENT_USER\\T]\n", {NoA, B2}},
      {"invalid UTF-8 in a name", Head + "\"a\xff\"=dword:00000001\n\"b\"=dword:00000002\n", {NoA, B2}},
      {"a huge line", Head + std::string(3 << 20, 'x') + "\n\"a\"=dword:00000001\n", {A1}},
      {"a value over a megabyte", Head + "\"a\"=hex:" + HexRun((1 << 20) + 1) + "\n", {NoA}},
      {"a name given twice: the later holds", Head + "\"a\"=dword:00000009\n\"a\"=dword:00000001\n", {A1}},
      {"value before any key",
       "Windows Registry Editor Version 5.00\n\"a\"=dword:00000001\n[HKEY_CURRENT_USER\\T]\n\"b\"=dword:00000002\n",
       {NoA, B2}},
      {"another hive", "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\T]\n\"a\"=dword:00000001\n", {NoA}},
      {"key line not closed",
       "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\T\n\"a\"=dword:00000001\n", {NoA}},
      {"key with an empty part",
       "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\\\T]\n\"a\"=dword:00000001\n", {NoA}},
  };
  return cases;
}

void CheckValues(const DamagedCase& c) {
  HKEY key;
  const bool opened = RegOpenKeyExW(HKEY_CURRENT_USER, u"T", 0, 0, &key) == ERROR_SUCCESS;
  for (const Expect& e : c.values) {
    if (!opened) {
      EXPECT_FALSE(e.present) << c.what << ": key T is missing";
      continue;
    }
    BYTE data[16] = {};
    DWORD size = sizeof data;
    const bool found = RegQueryValueExW(key, e.name, nullptr, nullptr, data, &size) == ERROR_SUCCESS;
    EXPECT_EQ(e.present, found) << c.what;
    if (found && e.present) {
      EXPECT_EQ(e.data, std::vector<BYTE>(data, data + size)) << c.what;
    }
  }
  if (opened) RegCloseKey(key);
}

TEST_F(RegistryFileTest, DamagedTextGivesWhatIsValidAndIsKeptAsideWhenReplaced) {
  for (const DamagedCase& c : DamagedCases()) {
    SCOPED_TRACE(c.what);
    std::remove((file + ".damaged").c_str());
    WriteFileText(file, c.text);
    CheckValues(c);
    EXPECT_EQ(c.text, ReadFileText(file)) << "reading never writes";

    // The first replacement keeps the damaged file; the new one reads the same and whole.
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, u"U", 0, nullptr, 0, 0, nullptr, &key, nullptr));
    const DWORD one = 1;
    RegSetValueExW(key, u"x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
    RegCloseKey(key);
    ASSERT_TRUE(FileExists(file + ".damaged"));
    EXPECT_EQ(c.text, ReadFileText(file + ".damaged"));
    CheckValues(c);
    RegStore store;
    RegReadText(ReadFileText(file), store);
    EXPECT_FALSE(store.damaged);
  }
}

TEST_F(RegistryFileTest, ACleanFileIsNotKeptAside) {
  WriteFileText(file, Head + "\"a\"=dword:00000001\r\n\r\n; a comment\n");
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, u"T", 0, nullptr, 0, 0, nullptr, &key, nullptr));
  const DWORD two = 2;
  RegSetValueExW(key, u"b", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&two), 4);
  RegCloseKey(key);
  EXPECT_FALSE(FileExists(file + ".damaged"));
  CheckValues({"clean", "", {A1, B2}});
}

// Sets `a` to `value` in key T, through a write that may be stopped before `step`.
void WriteA(DWORD value, int step) {
  EmulatorStopRegistryWriteBefore(step);
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, u"T", 0, nullptr, 0, 0, nullptr, &key, nullptr));
  RegSetValueExW(key, u"a", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
  RegCloseKey(key);
  EmulatorStopRegistryWriteBefore(0);
}

TEST_F(RegistryFileTest, AReplacementStoppedAtAnyStepLeavesTheOldFileOrTheNew) {
  for (int step = RegistryWriteFolder; step <= RegistryWriteDone; ++step) {
    for (bool damaged : {false, true}) {
      SCOPED_TRACE(testing::Message() << "stopped before step " << step << (damaged ? ", damaged file" : ""));
      RemoveTempConfig(root + "/config");
      WriteA(1, 0);
      if (damaged) WriteFileText(file, ReadFileText(file) + "junk\n");
      WriteA(2, step);
      const bool renamed = step > RegistryWriteRename;
      CheckValues({"", "", {{u"a", true, {static_cast<BYTE>(renamed ? 2 : 1), 0, 0, 0}}}});
      // Whatever was left behind, the next replacement goes through.
      WriteA(3, 0);
      CheckValues({"", "", {{u"a", true, {3, 0, 0, 0}}}});
    }
  }
}

// Whatever a text holds, writing what was read and reading it again gives the same
// registry, undamaged. Random texts made of the pieces a registry file is made of.
TEST(RegistryText, WhatIsReadIsWrittenSoThatItReadsBackTheSame) {
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  const std::vector<std::string> pieces = {
      "Windows Registry Editor Version 5.00\n", "\n", "[HKEY_CURRENT_USER\\", "[HKEY_CURRENT_USER]", "]\n",
      "Software", "\\", "Marlix Pentro", "\"", "f", "F", "@", "=", "dword:", "0000000a", "hex:", "hex(b):",
      "00", ",", "ff", "\\\n  ", "\\\"", "\\\\", ";", "\r\n", " ", "\xc3\xa4", "\xff", std::string(1, '\0'), "-"};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int count = std::uniform_int_distribution<int>(0, 60)(random);
    for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
    RegStore first;
    RegReadText(text, first);
    const std::string written = RegWriteText(first);
    RegStore second;
    RegReadText(written, second);
    ASSERT_FALSE(second.damaged) << "seed " << seed << " round " << round << "\n" << written;
    ASSERT_EQ(written, RegWriteText(second)) << "seed " << seed << " round " << round;
  }
}

}  // namespace
