// The shell's menu bar: the popup menu its key opens posts the command of the item tapped
// once it has closed, and a tap beside it closes it and goes no further; the keyboard
// presses the soft keys of the active window's bar.
#include "shell/menubar.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/winbase.h"
#include "tests/support/recording_window.h"

namespace {

constexpr WORD OptionsCommand = 32774, AboutCommand = 40002;

// A menu bar as a program lists it: a plain key and a key that opens popup 1 of a menu
// whose popup 0 holds a popup of its own.
// clang-format off
constexpr WORD MenuBarData[] = {
    7, 2,
    I_IMAGENONE, 40003, TBSTATE_ENABLED, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE,   103, 0, NOMENU,
    I_IMAGENONE, 40001, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, 105, 0, 1,
};
// clang-format on
constexpr MENUTEMPLATEITEM Menu[] = {
    {MF_POPUP, 0, u"FIRST"},           {MF_STRING, 1, u"One"},
    {MF_POPUP | MF_END, 0, u"Inner"},  {MF_STRING | MF_END, 2, u"Two"},
    {MF_POPUP | MF_END, 0, u"SECOND"}, {MF_STRING, OptionsCommand, u"Options"},
    {MF_SEPARATOR, 0, nullptr},        {MF_STRING | MF_END, AboutCommand, u"About"},
};
const RESOURCE Resources[] = {
    {RT_STRING, MAKEINTRESOURCE(103), u"New Game", 8},
    {RT_STRING, MAKEINTRESOURCE(105), u"Menu", 4},
    {RT_RCDATA, MAKEINTRESOURCE(7), MenuBarData, sizeof MenuBarData},
    {RT_MENU, MAKEINTRESOURCE(7), Menu, sizeof Menu},
};

struct MenuBarTest : ShellTest {
  void SetUp() override {
    ShellTest::SetUp();
    SHMENUBARINFO info{SHMENUBARINFO_SIZE, owner, 0, 7, EmulatorLoadModule(Resources, 4), 0, 0, nullptr, 0};
    ASSERT_TRUE(SHCreateMenuBar(&info));
    const RECT bar = WindowRect(info.hwndMB);
    menuKey = POINT{bar.left + (bar.right - bar.left) * 3 / 4, (bar.top + bar.bottom) / 2};
  }
  POINT menuKey{};
};

std::vector<WPARAM> Commands() { return WParamsOf(owner, WM_COMMAND); }
HWND Popup() { return FindWindowW(u"MNU", nullptr); }

TEST_F(MenuBarTest, APopupItemPostsItsCommandOnceThePopupHasClosedAndATapBesideGoesNoFurther) {
  // The item tapped (-1: beside the popup, on the owner) and the commands posted.
  const std::pair<int, std::vector<WPARAM>> cases[] = {{0, {OptionsCommand}}, {2, {AboutCommand}}, {-1, {}}};
  for (const auto& [item, commands] : cases) {
    ReceivedMessages.clear();
    Then([item] {  // while the popup waits
      ASSERT_NE(Popup(), nullptr);
      EXPECT_TRUE(Commands().empty());
      if (item < 0) TapMiddle(ShellPopupMenuItem(Popup(), 1));  // the separator: stays open
      TapMiddle(item < 0 ? RECT{0, 30, 10, 50} : ShellPopupMenuItem(Popup(), item));
    });
    EmulatorTap(menuKey.x, menuKey.y);
    PumpMessages();
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(Commands(), commands);
    EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty());
  }
}

// F9 presses the left soft key, F10 and the Menu key the right one: its popup opens with
// the first item lit, the arrows go round the items past the separator, Enter chooses, F10
// again or Escape closes it. The window never hears these keys; a window whose bar has no
// keys (a dialog's) hears them all.
TEST_F(MenuBarTest, TheKeyboardPressesTheSoftKeysOfTheActiveWindow) {
  // The keys pressed, the commands posted and the keys the window got.
  const std::tuple<std::vector<int>, std::vector<WPARAM>, std::vector<WPARAM>> cases[] = {
      {{VK_F9}, {40003}, {}},
      {{VK_F10, VK_RETURN}, {OptionsCommand}, {}},
      {{VK_APPS, VK_DOWN, VK_RETURN}, {AboutCommand}, {}},
      {{VK_F10, VK_DOWN, VK_DOWN, VK_UP, VK_RETURN}, {AboutCommand}, {}},
      {{VK_F10, VK_F10, VK_RETURN}, {}, {VK_RETURN}},
      {{VK_APPS, VK_ESCAPE, VK_RETURN}, {}, {VK_RETURN}}};
  for (const auto& [keys, commands, heard] : cases) {
    ReceivedMessages.clear();
    for (int key : keys) EmulatorKey(key, FALSE);
    PumpMessages();
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(Commands(), commands);
    EXPECT_EQ(WParamsOf(owner, WM_KEYDOWN), heard);
  }

  HWND above = CreateRecordingWindow();
  SHMENUBARINFO empty{SHMENUBARINFO_SIZE, above, SHCMBF_EMPTYBAR, 0, nullptr, 0, 0, nullptr, 0};
  ASSERT_TRUE(SHCreateMenuBar(&empty));
  ReceivedMessages.clear();
  for (int key : {VK_F9, VK_F10, VK_APPS}) EmulatorKey(key, FALSE);
  PumpMessages();
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(ReceivedOf(above, WM_KEYDOWN).size(), 3u);
}

}  // namespace
