// The program from its entry: the message loop with its keys, one copy per session across
// processes, the menu bar's keys, and help.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/app.h"
#include "app/mainwnd.h"
#include "app/resource.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "settings/settings.h"
#include "tests/app/program.h"
#include "tests/game/boards.h"
#include "tests/support/temp_config.h"
#include "tests/support/temp_folder.h"
#include "view/layout.h"
#include "view/layout_table.h"

extern char** environ;

namespace {

std::string ProgramFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path().string(); }

// A tap on a cell of the 480 x 640 layout, queued as the desktop delivers it.
void QueueTapOn(int cell) {
  const RECT r = CellRect(Layouts[1], cell);
  EmulatorTap((r.left + r.right) / 2, EmulatorBarHeight() + (r.top + r.bottom) / 2);
}

TEST_F(ProgramTest, TheLoopPlaysTapsUntilCtrlQThenSavesAndEnds) {
  QueueTapOn(0);
  QueueTapOn(160);
  EmulatorKey('Q', TRUE);
  WCHAR commandLine[] = u"";
  EXPECT_EQ(WinMain(instance, nullptr, commandLine, SW_SHOW), 0);
  EXPECT_FALSE(IsWindow(hMainWnd));
  NewGame();
  ASSERT_EQ(LoadGame(), 1);
  EXPECT_NE(occ[0], OwnerNone);
  EXPECT_NE(occ[160], OwnerNone);
  EXPECT_GE(LinesDrawn(), 3);
}

TEST_F(ProgramTest, ASecondStartBringsTheFirstForwardAndEnds) {
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::string self = "/proc/self/exe", flag = "--running-copy";
  char* argv[] = {self.data(), flag.data(), nullptr};
  pid_t first = 0;
  ASSERT_EQ(posix_spawn(&first, self.c_str(), &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  pollfd ready{out[0], POLLIN, 0};
  char said[8] = {};
  ASSERT_EQ(poll(&ready, 1, 10000), 1) << "the first copy did not start";
  ASSERT_GT(read(out[0], said, sizeof said - 1), 0);
  close(out[0]);
  EXPECT_STREQ(said, "ready\n");

  HWND running = FindWindowW(u"PENTRO", u"Marlix Pentro");
  EXPECT_NE(running, nullptr);
  EXPECT_FALSE(IsWindow(running));  // it lives in the other process

  // This start ends at once, without a window of its own or even its window class.
  EXPECT_FALSE(Start());
  EXPECT_EQ(hMainWnd, nullptr);
  EXPECT_EQ(FindWindowW(u"PENTRO", nullptr), nullptr);
  EXPECT_FALSE(UnregisterClassW(u"PENTRO", instance));

  int status = -1;
  ASSERT_EQ(waitpid(first, &status, 0), first);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the first copy was not asked to come forward";
  EXPECT_EQ(FindWindowW(u"PENTRO", u"Marlix Pentro"), nullptr);
}

TEST_F(ProgramTest, TheNewGameKeyOfTheMenuBarAsksForANewGame) {
  ASSERT_TRUE(Start());
  RECT bar;
  GetWindowRect(hMenuBar, &bar);
  EXPECT_EQ(bar.top, 640 - EmulatorBarHeight());
  EmulatorTap(bar.right / 4, (bar.top + bar.bottom) / 2);
  Pump();
  ASSERT_EQ(Questions.size(), 1u);
  EXPECT_EQ(Questions[0].text, u"Do you want to restart the game?");
}

TEST_F(ProgramTest, TheWindowFillsTheScreenBetweenTheBars) {
  EXPECT_NE(LoadIconW(instance, MAKEINTRESOURCE(IDI_PROGRAM)), nullptr);  // its class's icon
  const struct { int width, height; } screens[] = {{240, 320}, {480, 640}, {640, 480}, {800, 480}};
  for (const auto& screen : screens) {
    EmulatorSetScreen(screen.width, screen.height, 1);
    EmulatorStartShell();
    ASSERT_TRUE(Start());
    const int bar = EmulatorBarHeight();
    EXPECT_EQ(bar, screen.width >= 480 && screen.height >= 480 ? 52 : 26);
    RECT window;
    GetWindowRect(hMainWnd, &window);
    EXPECT_EQ(window.top, bar) << screen.width << "x" << screen.height;
    EXPECT_EQ(window.bottom, screen.height - bar) << screen.width << "x" << screen.height;
    EXPECT_EQ(window.right, screen.width);
    EXPECT_EQ(ResolutionId, ResolutionIdFor(screen.width, screen.height));
    DestroyWindow(hMainWnd);
    UnregisterClassW(szWindowClass, instance);
  }
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
  HACCEL table = LoadAcceleratorsW(instance, MAKEINTRESOURCE(IDR_ACCELERATORS));
  const struct {
    int key;
    BOOL control;
    WORD command;  // 0: the key is left to the window
  } keys[] = {{'A', TRUE, IDM_ABOUT},   {'Q', TRUE, IDM_EXIT}, {'N', TRUE, IDM_NEWGAME},
              {'O', TRUE, IDM_OPTIONS}, {'N', FALSE, 0},       {'Q', FALSE, 0},
              {'X', TRUE, 0},           {VK_RETURN, TRUE, 0}};
  for (const auto& k : keys) {
    commands.clear();
    EmulatorKey(k.key, k.control);
    MSG msg;
    int keyDowns = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN) ++keyDowns;
      if (!TranslateAcceleratorW(msg.hwnd, table, &msg)) DispatchMessageW(&msg);
    }
    EXPECT_EQ(keyDowns, 1);
    EXPECT_EQ(commands, k.command != 0 ? std::vector<WORD>{k.command} : std::vector<WORD>{})
        << static_cast<char>(k.key) << (k.control ? " with Ctrl" : "");
  }
  DestroyWindow(window);
  UnregisterClassW(u"KEYS", instance);
}

TEST_F(ProgramTest, HelpOpensThePageBesideTheProgramInTheDesktopsViewer) {
  const std::string bin = MakeTempFolder();
  const std::string log = bin + "/opened";
  std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s' \"$1\" > '" << log << ".new' && mv '" << log
                                   << ".new' '" << log << "'\n";
  std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
  const std::string path = std::getenv("PATH") == nullptr ? "" : std::getenv("PATH");
  setenv("PATH", (bin + ":" + path).c_str(), 1);
  ASSERT_TRUE(Start());
  EmulatorKey(VK_F1, FALSE);
  Pump();
  setenv("PATH", path.c_str(), 1);
  for (int i = 0; i < 500 && !FileExists(log); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const std::string page = ReadFileText(log);
  EXPECT_EQ(page, ProgramFolder() + "/res/Marlix Pentro.htm");
  EXPECT_TRUE(FileExists(page));
}

}  // namespace
