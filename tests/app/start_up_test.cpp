// The program from its entry: the message loop with its keys and close button, one copy per
// session across processes, and help.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/app.h"
#include "app/mainwnd.h"
#include "app/resource.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "settings/settings.h"
#include "tests/app/program.h"
#include "tests/settings/saved_game.h"
#include "tests/support/temp_config.h"
#include "tests/support/temp_folder.h"
#include "view/layout.h"

namespace {

// Waits up to ten seconds for a condition.
template <typename Condition>
bool Eventually(Condition condition) {
  for (int i = 0; i < 1000 && !condition(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return condition();
}

// Taps on two lines of the 480 x 640 layout, as the desktop delivers them, then Ctrl+Q or
// the desktop window's close button.
TEST_F(ProgramTest, TheLoopPlaysTapsUntilTheWindowClosesThenSavesAndEnds) {
  EmulatorSetScreen(480, 640, 1);
  EmulatorStartShell();
  for (bool key : {true, false}) {
    std::remove(registryFile.c_str());
    for (int cell : {0, 160}) {
      const RECT r = CellRect(Layouts[1], cell);
      EmulatorTap((r.left + r.right) / 2, EmulatorBarHeight() + (r.top + r.bottom) / 2);
    }
    key ? EmulatorKey('Q', TRUE) : EmulatorCloseButton();
    WCHAR commandLine[] = u"";
    EXPECT_EQ(WinMain(instance, nullptr, commandLine, SW_SHOW), 0);
    EXPECT_TRUE(occ[0] != OwnerNone && occ[160] != OwnerNone && LinesDrawn() >= 3);
    const std::vector<int32_t> played = CurrentGame();
    NewGame();
    ASSERT_EQ(LoadGame(), 1);
    EXPECT_EQ(CurrentGame(), played);
    Stop();
  }
}

TEST_F(ProgramTest, ASecondStartBringsTheFirstForwardAndEnds) {
  const pid_t first = fork();
  if (first == 0) {  // the copy already running, until it is asked forward or ten seconds pass
    Start();
    Eventually([this] {
      Pump();
      return EmulatorRaiseRequests() > 0;
    });
    _exit(EmulatorRaiseRequests() == 1 ? 0 : 1);
  }
  ASSERT_TRUE(Eventually([] { return FindWindowW(u"PENTRO", u"Marlix Pentro") != nullptr; }))
      << "the first copy did not start";

  // This start ends at once, without a window of its own or even its window class.
  EXPECT_FALSE(Start());
  EXPECT_EQ(hMainWnd, nullptr);
  EXPECT_FALSE(UnregisterClassW(u"PENTRO", instance));
  int status = -1;
  ASSERT_EQ(waitpid(first, &status, 0), first);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the first copy was not asked forward";
}

// The keys of accelerator table 2, taken from the desktop as the loop takes them.
TEST_F(ProgramTest, TheCommandKeysNeedCtrl) {
  static std::vector<WORD> commands;
  WNDCLASSW wc{};
  wc.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
  };
  wc.lpszClassName = u"KEYS";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, u"KEYS", u"Keys", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  const std::pair<int, BOOL> keys[] = {{'A', TRUE}, {'N', FALSE}, {'Q', TRUE}, {'Q', FALSE},
                                       {'N', TRUE}, {'X', TRUE},  {'O', TRUE}, {VK_RETURN, TRUE}};
  for (const auto& [key, control] : keys) EmulatorKey(key, control);
  Pump();
  EXPECT_EQ(commands, (std::vector<WORD>{IDM_ABOUT, IDM_EXIT, IDM_NEWGAME, IDM_OPTIONS}));
  DestroyWindow(window);
  UnregisterClassW(u"KEYS", instance);
}

TEST_F(ProgramTest, HelpOpensThePageBesideTheProgramInTheDesktopsViewer) {
  const std::string bin = MakeTempFolder(), log = bin + "/opened";
  std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s' \"$1\" > '" << log << "'\n";
  std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
  const std::string path = std::getenv("PATH") == nullptr ? "" : std::getenv("PATH");
  setenv("PATH", (bin + ":" + path).c_str(), 1);
  ASSERT_TRUE(Start());
  EmulatorKey(VK_F1, FALSE);
  Pump();
  setenv("PATH", path.c_str(), 1);
  const std::string page =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/res/Marlix Pentro.htm";
  EXPECT_TRUE(Eventually([&] { return ReadFileText(log) == page; })) << ReadFileText(log);
  EXPECT_TRUE(FileExists(page));
}

}  // namespace
