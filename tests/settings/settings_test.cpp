// Settings and the saved game through the registry file: what a start finds however the
// settings are stored, a round trip, every way a saved value can fail, and a save killed at
// any moment.
#include "settings/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "platform/winreg.h"
#include "settings/stored_values.h"
#include "tests/settings/saved_game.h"
#include "tests/support/temp_config.h"

namespace {

struct SettingsTest : testing::Test {
  std::string root, file = UseTempConfig(root);
  void TearDown() override { RemoveTempConfig(root); }
};

// The last case is the first run: the defaults, and neither a setting nor the saved game
// written by reading. (Options' tests read both settings written.)
TEST_F(SettingsTest, SettingsThatAreMissingOrOutOfRangeTakeTheirDefaults) {
  // The value stored, its bytes (none: not stored at all), and Sound and Skin as read.
  const std::tuple<LPCWSTR, std::vector<BYTE>, int32_t, int32_t> cases[] = {
      {u"Sound", Le(2), 1, 0}, {u"Sound", Le(0), 0, 0},          {u"Skin", Le(6), 1, 0},
      {u"Skin", Le(5), 1, 5},  {u"Skin", {1, 0, 0, 0, 0}, 1, 0},  // too long: the read fails
      {u"Skin", {3}, 1, 3},   // one byte fills the low byte of the default 0
      {u"Sound", {0}, 0, 0},  // and turns the default 1 into 0
      {u"Sound", {}, 1, 0},
  };
  for (const auto& [name, stored, sound, skin] : cases) {
    SCOPED_TRACE(testing::Message() << std::string(name, name + 4) << " of " << stored.size() << " bytes");
    RemoveTempConfig(root + "/config");
    if (!stored.empty()) SetValue(SettingsKeyPath, name, stored);
    Sound = Skin = 9;
    LoadSettings();
    EXPECT_TRUE(Sound == sound && Skin == skin) << Sound << " " << Skin;
  }
  EXPECT_EQ(0, LoadGame());
  RegFlushKey(HKEY_CURRENT_USER);
  const std::string text = ReadFileText(file);
  EXPECT_TRUE(text.find("Sound") == std::string::npos && text.find("Status") == std::string::npos) << text;
}

// Any numbers at all, negative ones too, come back unchanged, f and F each as it was. (The
// order the values are read in is the next test's; their names and form in the file are
// read and written by e2e_question.sh.)
TEST_F(SettingsTest, TheSavedGameComesBackExactly) {
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  for (int32_t* value : GameValues()) *value = static_cast<int32_t>(random());
  UserScore = 3;
  ComputerScore = -2;
  f = first = 0;
  F = 1;
  const std::vector<int32_t> saved = CurrentGame();
  SaveGame();
  NewGame();
  ASSERT_EQ(1, LoadGame());
  EXPECT_EQ(saved, CurrentGame()) << "seed " << seed;
}

// A saved game with a value too long for its variable, or without `first`, fails at that
// value: the ones before it are already in the live state, the ones after it are not read,
// and the caller's new game resets them all.
TEST_F(SettingsTest, ASavedGameFailsAtAValueThatCannotBeReadAndANewGameResetsWhatWasRead) {
  const LPCWSTR names[] = {u"UserScore", u"ComputerScore", u"box", u"occ", u"f", u"F", u"first"};
  for (size_t bad = 0; bad <= std::size(names); ++bad) {
    SCOPED_TRACE(testing::Message() << "value " << bad);
    NewGame();
    const std::vector<int32_t> fresh = CurrentGame();
    UserScore = 17;
    first = 5;
    SaveGame();
    if (bad < std::size(names)) {
      SetValue(SavedGameKeyPath, names[bad], std::vector<BYTE>(bad == 2 || bad == 3 ? 645 : 5, 0x11));
    } else {  // the last round: `first` is missing
      RegFlushKey(HKEY_CURRENT_USER);
      std::string text = ReadFileText(file);
      text.erase(text.find("\"first\"=dword:00000005\n"), 23);
      WriteFileText(file, text);
    }
    SetGame(fresh);
    EXPECT_EQ(0, LoadGame());
    EXPECT_EQ(bad > 0, UserScore == 17) << "read before the failure";
    EXPECT_NE(5, first) << "never read after the failure";
    NewGame();
    EXPECT_EQ(fresh, CurrentGame());
  }
}

// A process saves games in a loop, the settings replaced in between as Options does, and
// is killed at random moments: the file then holds one whole game, never a torn or lost
// one, and never one older than was read before. Game n holds n in every value, so a mix of
// two saves shows at once.
TEST_F(SettingsTest, AKillWhileSavingLeavesTheLastWholeGame) {
  auto numbered = [](int32_t n) { return std::vector<int32_t>(GameValues().size(), n); };
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  SetGame(numbered(1));
  SaveGame();
  RegFlushKey(HKEY_CURRENT_USER);  // one process writes the file at a time
  for (int kills = 0, latest = 1; kills < 200; ++kills, latest = UserScore) {
    std::fflush(stdout);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    for (int32_t n = latest + 1; child == 0; ++n) {
      SetGame(numbered(n));
      SaveGame();
      Sound = n & 1;
      Skin = n % 6;
      SaveSettings();
    }
    usleep(std::uniform_int_distribution<useconds_t>(500, 20000)(random));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    NewGame();
    ASSERT_EQ(1, LoadGame()) << "lost after " << kills << " kills, seed " << seed;
    ASSERT_EQ(numbered(UserScore), CurrentGame()) << "torn after " << kills << " kills, seed " << seed;
    ASSERT_GE(UserScore, latest) << "older after " << kills << " kills, seed " << seed;
  }
}

}  // namespace
