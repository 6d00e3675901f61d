// Settings and the saved game through the registry file: round trips, the stored layout,
// and every way a stored value can fail.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <vector>

#include "game/board.h"
#include "platform/emulator.h"
#include "platform/winreg.h"
#include "settings/settings.h"
#include "settings/stored_values.h"
#include "tests/support/temp_config.h"

// The game core's outward calls, which loading and saving never make.
void DrawCell(int) {}
void InvalidateUserScore() {}
void InvalidateComputerScore() {}
int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}
char16_t BoxSoundPath[260];
char16_t WinSoundPath[260];
char16_t LoseSoundPath[260];
void PlayEffect(const char16_t*) {}
void PlayEffectOnThread(const char16_t*) {}

namespace {

struct SettingsTest : testing::Test {
  std::string root;
  std::string file;
  void SetUp() override {
    file = UseTempConfig(root);
    NewGame();
  }
  void TearDown() override {
    EmulatorStopRegistryWriteBefore(0);
    RemoveTempConfig(root);
  }
};

// All seven saved-game values as one comparable record.
struct Game {
  std::vector<int32_t> occ, box;
  int32_t f, F, first, user, computer;
  bool operator==(const Game&) const = default;
};

Game Current() {
  return {std::vector<int32_t>(occ, occ + CellCount), std::vector<int32_t>(box, box + CellCount), f, F, first,
          UserScore, ComputerScore};
}

void Restore(const Game& g) {
  std::copy(g.occ.begin(), g.occ.end(), occ);
  std::copy(g.box.begin(), g.box.end(), box);
  f = g.f;
  F = g.F;
  first = g.first;
  UserScore = g.user;
  ComputerScore = g.computer;
}

// Any numbers at all, negative ones too: the stored game is taken unchanged.
Game RandomGame(std::mt19937& random) {
  std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
  Game g{std::vector<int32_t>(CellCount), std::vector<int32_t>(CellCount), any(random), any(random), any(random),
         any(random), any(random)};
  for (int i = 0; i < CellCount; ++i) {
    g.occ[i] = any(random);
    g.box[i] = any(random);
  }
  return g;
}

void SetRaw(LPCWSTR keyPath, LPCWSTR name, const std::vector<BYTE>& data) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, 0, nullptr, &key, nullptr));
  RegSetValueExW(key, name, 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
  RegCloseKey(key);
}

std::vector<BYTE> Le(int32_t value) {
  const uint32_t u = static_cast<uint32_t>(value);
  return {static_cast<BYTE>(u), static_cast<BYTE>(u >> 8), static_cast<BYTE>(u >> 16), static_cast<BYTE>(u >> 24)};
}

TEST_F(SettingsTest, TheFirstRunKeepsTheDefaultsCreatesTheEmptyKeyAndHasNoSavedGame) {
  Sound = 0;
  Skin = 4;
  LoadSettings();
  EXPECT_EQ(1, Sound);
  EXPECT_EQ(0, Skin);
  const std::string text = ReadFileText(file);
  EXPECT_NE(std::string::npos, text.find("[HKEY_CURRENT_USER\\Software\\Marlix Pentro]\n"));
  EXPECT_EQ(std::string::npos, text.find("Sound")) << "no setting is written by reading";
  EXPECT_EQ(0, LoadGame());
  EXPECT_EQ(std::string::npos, ReadFileText(file).find("Status")) << "reading never creates the saved game";
}

TEST_F(SettingsTest, SettingsSurviveAndSavingWritesBothEvenWhenUnchanged) {
  for (int32_t sound : {0, 1})
    for (int32_t skin = 0; skin <= 5; ++skin) {
      Sound = sound;
      Skin = skin;
      SaveSettings();
      Sound = -7;
      Skin = -7;
      LoadSettings();
      EXPECT_EQ(sound, Sound);
      EXPECT_EQ(skin, Skin);
    }
  const std::string text = ReadFileText(file);
  EXPECT_NE(std::string::npos, text.find("\"Sound\"=dword:00000001\n\"Skin\"=dword:00000005\n"));
}

struct StoredSetting {
  const char* what;
  LPCWSTR name;
  std::vector<BYTE> stored;  // empty: not stored at all
  int32_t sound, skin;       // as read
};

TEST_F(SettingsTest, SettingsThatAreMissingOrOutOfRangeTakeTheirDefaults) {
  const std::vector<StoredSetting> cases = {
      {"Sound 2", u"Sound", Le(2), 1, 0},
      {"Sound -1", u"Sound", Le(-1), 1, 0},
      {"Sound 0", u"Sound", Le(0), 0, 0},
      {"Skin 6", u"Skin", Le(6), 1, 0},
      {"Skin -1", u"Skin", Le(-1), 1, 0},
      {"Skin 5", u"Skin", Le(5), 1, 5},
      {"Skin most negative", u"Skin", Le(INT32_MIN), 1, 0},
      {"no Sound", u"Sound", {}, 1, 0},
      {"Skin of 5 bytes: the read fails", u"Skin", {1, 0, 0, 0, 0}, 1, 0},
      {"Skin of 1 byte: fills the low byte of the default 0", u"Skin", {3}, 1, 3},
      {"Sound of 1 byte: the low byte of the default 1 becomes 0", u"Sound", {0}, 0, 0},
  };
  for (const StoredSetting& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveTempConfig(root + "/config");
    if (!c.stored.empty()) SetRaw(SettingsKeyPath, c.name, c.stored);
    Sound = 9;
    Skin = 9;
    LoadSettings();
    EXPECT_EQ(c.sound, Sound);
    EXPECT_EQ(c.skin, Skin);
  }
}

TEST_F(SettingsTest, AGameSavedAndLoadedComesBackExactlyWithFAndFApart) {
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  for (int round = 0; round < 20; ++round) {
    Game saved = RandomGame(random);
    saved.f = round % 2;
    saved.F = 1 - round % 2;
    Restore(saved);
    SaveGame();
    NewGame();
    ASSERT_EQ(1, LoadGame()) << "seed " << seed;
    ASSERT_EQ(saved, Current()) << "seed " << seed << " round " << round;
  }
}

TEST_F(SettingsTest, TheSavedGameIsStoredInItsFixedLayoutAndOrder) {
  NewGame();
  occ[5] = OwnerUser;
  occ[160] = OwnerComputer;
  box[8] = 0x0A0B0C0D;
  UserScore = 3;
  ComputerScore = -2;
  f = 0;
  F = 1;
  first = 0;
  SaveGame();
  const std::string text = ReadFileText(file);
  const size_t key = text.find("[HKEY_CURRENT_USER\\Software\\Marlix Pentro\\Status]\n");
  ASSERT_NE(std::string::npos, key);
  size_t at = key;
  for (const char* name : {"\"UserScore\"=dword:00000003\n", "\"ComputerScore\"=dword:fffffffe\n", "\"box\"=hex:",
                           "\"occ\"=hex:", "\"f\"=dword:00000000\n", "\"F\"=dword:00000001\n",
                           "\"first\"=dword:00000000\n"}) {
    const size_t found = text.find(name, at);
    ASSERT_NE(std::string::npos, found) << name;
    at = found;
  }
  // Byte 4 x i holds cell i, little-endian: box[8] at bytes 32-35, occ[5] at bytes 20-23.
  std::vector<BYTE> data(644);
  HKEY handle;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, SavedGameKeyPath, 0, 0, &handle));
  DWORD size = 644;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(handle, u"box", nullptr, nullptr, data.data(), &size));
  EXPECT_EQ((std::vector<BYTE>{0x0D, 0x0C, 0x0B, 0x0A}), std::vector<BYTE>(data.begin() + 32, data.begin() + 36));
  size = 644;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(handle, u"occ", nullptr, nullptr, data.data(), &size));
  EXPECT_EQ(Le(-1), std::vector<BYTE>(data.begin() + 20, data.begin() + 24));
  EXPECT_EQ(Le(1), std::vector<BYTE>(data.begin() + 640, data.begin() + 644));
  RegCloseKey(handle);
}

// A saved game lacking one value fails at that value: the ones before it are already in
// the live state, the ones after it are not read; the caller's new game resets them all.
TEST_F(SettingsTest, ASavedGameLackingAnyValueFailsAndANewGameResetsWhatWasRead) {
  std::mt19937 random(7);
  const Game saved = RandomGame(random);
  const std::vector<LPCWSTR> names = {u"UserScore", u"ComputerScore", u"box", u"occ", u"f", u"F", u"first"};
  for (size_t missing = 0; missing < names.size(); ++missing) {
    SCOPED_TRACE(testing::Message() << "without value " << missing);
    RemoveTempConfig(root + "/config");
    for (size_t i = 0; i < names.size(); ++i) {
      ASSERT_EQ(std::u16string(names[i]), std::u16string(StoredValues[2 + i].name));
      if (i == missing) continue;
      const int32_t* source = StoredValues[2 + i].variable;
      Restore(saved);
      SetRaw(SavedGameKeyPath, names[i],
             std::vector<BYTE>(reinterpret_cast<const BYTE*>(source),
                               reinterpret_cast<const BYTE*>(source) + StoredValues[2 + i].size));
    }
    NewGame();
    const Game fresh = Current();
    EXPECT_EQ(0, LoadGame());
    EXPECT_EQ(missing > 0 ? saved.user : fresh.user, UserScore) << "read before the failure";
    EXPECT_EQ(fresh.first, first) << "never read after the failure";
    NewGame();
    EXPECT_EQ(fresh, Current());
  }
}

TEST_F(SettingsTest, AnOversizedValueFailsTheLoadAndAShortOneFillsTheLeadingBytes) {
  std::mt19937 random(11);
  Restore(RandomGame(random));
  SaveGame();
  const Game saved = Current();

  SetRaw(SavedGameKeyPath, u"box", std::vector<BYTE>(648, 0x11));
  NewGame();
  EXPECT_EQ(0, LoadGame());
  EXPECT_EQ(0, occ[0]) << "occ comes after box and is not read";

  SetRaw(SavedGameKeyPath, u"box", {0x22, 0x22});
  NewGame();
  box[0] = 0x33333333;
  box[1] = 0x44;
  ASSERT_EQ(1, LoadGame());
  EXPECT_EQ(0x33332222, box[0]);
  EXPECT_EQ(0x44, box[1]);
  EXPECT_EQ(saved.occ, Current().occ);
}

TEST_F(SettingsTest, ADamagedFileGivesTheDefaultsAndANewGame) {
  const std::vector<std::string> damaged = {
      "", std::string(5000, '\0'), "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software",
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Marlix Pentro]\n\"Sound\"=dword:0000\n"
      "\"Skin\"=hex:zz\n\n[HKEY_CURRENT_USER\\Software\\Marlix Pentro\\Status]\n\"UserScore\"=dword:00000001\n"
      "\"ComputerScore\"=dword:00000001\n\"box\"=hex:00,\\\n"};
  for (const std::string& text : damaged) {
    WriteFileText(file, text);
    Sound = 0;
    Skin = 3;
    LoadSettings();
    EXPECT_EQ(1, Sound);
    EXPECT_EQ(0, Skin);
    EXPECT_EQ(0, LoadGame());
  }
}

// A save stopped at any step of the file's replacement leaves all seven values of the old
// game or all seven of the new one, never a mix.
TEST_F(SettingsTest, ASaveStoppedAtAnyStepLeavesTheOldGameOrTheNewWhole) {
  std::mt19937 random(3);
  const Game before = RandomGame(random);
  const Game after = RandomGame(random);
  for (int step = RegistryWriteFolder; step <= RegistryWriteDone; ++step) {
    SCOPED_TRACE(testing::Message() << "stopped before step " << step);
    Restore(before);
    SaveGame();
    Restore(after);
    EmulatorStopRegistryWriteBefore(step);
    SaveGame();
    EmulatorStopRegistryWriteBefore(0);
    NewGame();
    ASSERT_EQ(1, LoadGame());
    EXPECT_EQ(step > RegistryWriteRename ? after : before, Current());
  }
}

}  // namespace
