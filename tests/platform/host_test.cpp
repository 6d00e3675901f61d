// The host's own terms: the program's name, which names its environment variables and its
// settings folder; the program's files read whole, missing or failing. (The worker is the
// wave player's, and its tests run it.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

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
  const struct {
    const char* value;
    LONG width, height;
    bool said;
  } cases[] = {{nullptr, 480, 640, false},   {"800x480", 800, 480, false}, {"300x300", 300, 300, false},
               {"240x320", 480, 640, true},  {"480x640x", 480, 640, true}, {"0x640", 480, 640, true},
               {"4097x480", 480, 640, true}, {"tall", 480, 640, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value == nullptr ? "unset" : c.value);
    if (c.value == nullptr)
      unsetenv("MARLIX_PENTRO_SCREEN");
    else
      setenv("MARLIX_PENTRO_SCREEN", c.value, 1);
    testing::internal::CaptureStderr();
    const SIZE size = ScreenAskedSize();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(size.cx, c.width);
    EXPECT_EQ(size.cy, c.height);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.said ? 1 : 0) << said;
    if (c.said) {
      EXPECT_NE(said.find(std::string("\"") + c.value + "\""), std::string::npos) << said;
    }
  }
  unsetenv("MARLIX_PENTRO_SCREEN");
  EmulatorSetScreenCheck(nullptr);
  EmulatorSetProgramName(nullptr);
}

// Without a name given, the program file's own name stands (this test's, host_test).
TEST(HostTest, TheProgramsNameNamesItsVariablesAndItsSettingsFolder) {
  const std::string home = MakeTempFolder();
  setenv("HOME", home.c_str(), 1);
  const struct {
    LPCWSTR name;
    const char* folder;
    const char* variable;
  } cases[] = {{u"marlix-pentro", "marlix-pentro", "MARLIX_PENTRO_SCREEN"},
               {u"another-game.2", "another-game.2", "ANOTHER_GAME.2_SCREEN"},
               {nullptr, "host_test", "HOST_TEST_SCREEN"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    EmulatorSetProgramName(c.name);
    EXPECT_EQ(c.folder, HostProgramName());
    EXPECT_EQ(nullptr, HostProgramVariable("SCREEN"));
    setenv(c.variable, "240x320", 1);
    EXPECT_STREQ("240x320", HostProgramVariable("SCREEN"));
    unsetenv(c.variable);
    setenv("XDG_CONFIG_HOME", "/config", 1);
    EXPECT_EQ(std::string("/config/") + c.folder, StoreFolder());
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(home + "/.config/" + c.folder, StoreFolder());
  }
}

TEST(HostTest, AStoredFileReadsWholeOrPastItsLimitOrMissingOrFailed) {
  const std::string folder = MakeTempFolder();
  const std::string longText(200000, 'x');
  std::ofstream(folder + "/short") << "abc";
  std::ofstream(folder + "/long") << longText;
  const struct {
    const char* name;
    size_t limit;
    StoreRead result;
    size_t least, most;  // what `text` holds, in bytes
  } cases[] = {{"short", 100, StoreRead::Read, 3, 3},
               {"long", 1000000, StoreRead::Read, 200000, 200000},
               {"long", 70000, StoreRead::Read, 70001, 200000},  // stops once past the limit
               {"missing", 100, StoreRead::Missing, 0, 0},
               {".", 100, StoreRead::Failed, 0, 0}};  // a folder cannot be read as a file
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " within " + std::to_string(c.limit));
    std::string text = "left over";
    EXPECT_EQ(c.result, StoreReadFile(folder + "/" + c.name, c.limit, text));
    EXPECT_GE(text.size(), c.least);
    EXPECT_LE(text.size(), c.most);
  }
}

}  // namespace
