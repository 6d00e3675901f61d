// The shell's menu bar: built from its resource, its keys, and the popup menu it opens.
#include "platform/shell.h"

#include <gtest/gtest.h>

#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/winbase.h"
#include "platform/window.h"
#include "platform/winuser.h"
#include "tests/platform/recording_window.h"

namespace {

constexpr WORD NewGameCommand = 40003, OptionsCommand = 32774, AboutCommand = 40002;

// A menu bar as a program lists it: a plain key and a key that opens popup 1 of a menu
// whose popup 0 holds a popup of its own.
// clang-format off
constexpr WORD MenuBarData[] = {
    7, 2,
    I_IMAGENONE, NewGameCommand, TBSTATE_ENABLED, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE,   103, 0, NOMENU,
    I_IMAGENONE, 40001,          TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, 105, 0, 1,
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

class ShellTest : public testing::Test {
 protected:
  void SetUp() override {
    CloseEverything();
    EmulatorSetScreen(240, 320, 1);
    EmulatorStartShell();
    module = EmulatorLoadModule(Resources, sizeof Resources / sizeof Resources[0]);
    owner = CreateRecordingWindow();
    SHMENUBARINFO info{};
    info.cbSize = SHMENUBARINFO_SIZE;
    info.hwndParent = owner;
    info.nToolBarId = 7;
    info.hInstRes = module;
    ASSERT_TRUE(SHCreateMenuBar(&info));
    bar = info.hwndMB;
    PumpMessages();
    ReceivedMessages.clear();
  }
  void TearDown() override { CloseEverything(); }

  POINT Key(int index) const {
    RECT r;
    GetWindowRect(bar, &r);
    return POINT{r.left + (r.right - r.left) * (2 * index + 1) / 4, (r.top + r.bottom) / 2};
  }
  std::vector<WORD> Commands() const {
    std::vector<WORD> commands;
    for (const Received& r : ReceivedOf(owner, WM_COMMAND)) commands.push_back(LOWORD(r.wParam));
    return commands;
  }
  // Opens the popup with a tap on the Menu key; `inside` runs while it is open.
  void WithPopupOpen(std::function<void(HWND popup)> inside) {
    InvalidateRect(owner, nullptr, FALSE);  // its paint comes while the popup waits
    OnNextPaint = [inside] { inside(FindWindowW(u"MNU", nullptr)); };
    const POINT menu = Key(1);
    EmulatorTap(menu.x, menu.y);
    PumpMessages();
    EXPECT_EQ(FindWindowW(u"MNU", nullptr), nullptr) << "the popup is still open";
  }

  HINSTANCE module = nullptr;
  HWND owner = nullptr;
  HWND bar = nullptr;
};

TEST_F(ShellTest, TheMenuBarIsRefusedAnythingButItsOwnRecord) {
  SHMENUBARINFO info{SHMENUBARINFO_SIZE, owner, 0, 8, module, 0, 0, nullptr, 0};
  EXPECT_FALSE(SHCreateMenuBar(&info));  // no such resource
  info.nToolBarId = 7;
  info.cbSize = sizeof(SHMENUBARINFO);
  EXPECT_FALSE(SHCreateMenuBar(&info));
  info.cbSize = SHMENUBARINFO_SIZE;
  info.hwndParent = nullptr;
  EXPECT_FALSE(SHCreateMenuBar(&info));
  EXPECT_EQ(info.hwndMB, nullptr);
}

TEST_F(ShellTest, APlainKeyPostsItsCommandToTheOwner) {
  const POINT key = Key(0);
  EmulatorTap(key.x, key.y);
  PumpMessages();
  EXPECT_EQ(Commands(), std::vector<WORD>{NewGameCommand});
}

TEST_F(ShellTest, APopupItemPostsItsCommandOnceThePopupHasClosed) {
  for (int item : {0, 2}) {
    ReceivedMessages.clear();
    WithPopupOpen([this, item](HWND popup) {
      ASSERT_NE(popup, nullptr);
      EXPECT_TRUE(Commands().empty());
      const POINT at = Middle(ShellPopupMenuItem(popup, item));
      EmulatorTap(at.x, at.y);
    });
    EXPECT_EQ(Commands(), std::vector<WORD>{item == 0 ? OptionsCommand : AboutCommand});
  }
}

TEST_F(ShellTest, ATapBesideThePopupClosesItAndGoesNoFurther) {
  WithPopupOpen([](HWND popup) {
    const POINT separator = Middle(ShellPopupMenuItem(popup, 1));
    EmulatorTap(separator.x, separator.y);  // stays open
    EmulatorTap(5, 40);                     // on the owner: closes
  });
  EXPECT_TRUE(Commands().empty());
  EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty());
}

TEST_F(ShellTest, ThePopupAnswersTheArrowKeys) {
  const struct {
    std::vector<int> keys;
    std::vector<WORD> commands;
  } cases[] = {{{VK_DOWN, VK_RETURN}, {OptionsCommand}},
               {{VK_DOWN, VK_DOWN, VK_RETURN}, {AboutCommand}},  // over the separator
               {{VK_UP, VK_RETURN}, {AboutCommand}},
               {{VK_RETURN, VK_ESCAPE}, {}}};
  for (const auto& c : cases) {
    ReceivedMessages.clear();
    const POINT menu = Key(1);
    EmulatorTap(menu.x, menu.y);
    for (int key : c.keys) EmulatorKey(key, FALSE);
    PumpMessages();
    EXPECT_EQ(Commands(), c.commands);
    EXPECT_EQ(FindWindowW(u"MNU", nullptr), nullptr);
    EXPECT_TRUE(ReceivedOf(owner, WM_KEYDOWN).empty());
  }
}

}  // namespace
