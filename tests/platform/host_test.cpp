// The host's own terms: the program's name, which names its environment variables and its
// settings folder; the program's files read whole, missing or failing. (The worker is the
// wave player's, and its tests run it.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>

#include "host/program.h"
#include "host/screen.h"
#include "host/store.h"
#include "platform/emulator.h"
#include "tests/support/temp_folder.h"

namespace {

// The SCREEN variable's size where the program can show it; any other value is said in one
// line on standard error, naming it, and gives the default size.
TEST(HostTest, AScreenSizeTheProgramCannotShowGivesWayToTheDefault) {
  EmulatorSetProgramName(u"marlix-pentro");
  EmulatorSetScreenCheck([](int width, int height) -> BOOL { return width != 240 || height != 320; });
  // The value, the size it gives, and whether a line is said.
  const std::tuple<const char*, LONG, LONG, bool> cases[] = {
      {nullptr, 480, 640, false},   {"800x480", 800, 480, false}, {"300x300", 300, 300, false},
      {"240x320", 480, 640, true},  {"480x640x", 480, 640, true}, {"0x640", 480, 640, true},
      {"4097x480", 480, 640, true}, {"tall", 480, 640, true}};
  for (const auto& [value, width, height, told] : cases) {
    SCOPED_TRACE(value == nullptr ? "unset" : value);
    if (value == nullptr)
      unsetenv("MARLIX_PENTRO_SCREEN");
    else
      setenv("MARLIX_PENTRO_SCREEN", value, 1);
    testing::internal::CaptureStderr();
    const SIZE size = ScreenAskedSize();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(size.cx == width && size.cy == height) << size.cx << "x" << size.cy;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), told ? 1 : 0) << said;
    EXPECT_TRUE(!told || said.find(std::string("\"") + value + "\"") != std::string::npos) << said;
  }
  unsetenv("MARLIX_PENTRO_SCREEN");
  EmulatorSetScreenCheck(nullptr);
  EmulatorSetProgramName(nullptr);
}

// Without a name given, the program file's own name stands (this test's, host_test).
TEST(HostTest, TheProgramsNameNamesItsVariablesAndItsSettingsFolder) {
  const std::string home = MakeTempFolder();
  setenv("HOME", home.c_str(), 1);
  // The name given, the settings folder's name, and the screen's variable.
  const std::tuple<LPCWSTR, const char*, const char*> cases[] = {
      {u"marlix-pentro", "marlix-pentro", "MARLIX_PENTRO_SCREEN"},
      {u"another-game.2", "another-game.2", "ANOTHER_GAME.2_SCREEN"},
      {nullptr, "host_test", "HOST_TEST_SCREEN"}};
  for (const auto& [name, folder, variable] : cases) {
    SCOPED_TRACE(folder);
    EmulatorSetProgramName(name);
    EXPECT_EQ(folder, HostProgramName());
    EXPECT_EQ(nullptr, HostProgramVariable("SCREEN"));
    setenv(variable, "240x320", 1);
    EXPECT_STREQ("240x320", HostProgramVariable("SCREEN"));
    unsetenv(variable);
    setenv("XDG_CONFIG_HOME", "/config", 1);
    EXPECT_EQ(std::string("/config/") + folder, StoreFolder());
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(home + "/.config/" + folder, StoreFolder());
  }
}

TEST(HostTest, AStoredFileReadsWholeOrPastItsLimitOrMissingOrFailed) {
  const std::string folder = MakeTempFolder();
  const std::string longText(200000, 'x');
  std::ofstream(folder + "/short") << "abc";
  std::ofstream(folder + "/long") << longText;
  // The file, the limit, what the read gives, and the least and most `text` then holds.
  const std::tuple<const char*, size_t, StoreRead, size_t, size_t> cases[] = {
      {"short", 100, StoreRead::Read, 3, 3},
      {"long", 1000000, StoreRead::Read, 200000, 200000},
      {"long", 70000, StoreRead::Read, 70001, 200000},  // stops once past the limit
      {"missing", 100, StoreRead::Missing, 0, 0},
      {".", 100, StoreRead::Failed, 0, 0}};  // a folder cannot be read as a file
  for (const auto& [name, limit, result, least, most] : cases) {
    SCOPED_TRACE(std::string(name) + " within " + std::to_string(limit));
    std::string text = "left over";
    EXPECT_EQ(result, StoreReadFile(folder + "/" + name, limit, text));
    EXPECT_TRUE(text.size() >= least && text.size() <= most) << text.size();
  }
}

}  // namespace
