// Options and About inside the running program: what Options shows, sets and writes however
// it ends, and the About box's logo for the screen and its layout in the work area.
#include "dialogs/dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <tuple>

#include "app/resource.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/winreg.h"
#include "settings/settings.h"
#include "tests/app/program.h"
#include "tests/support/recording_window.h"
#include "tests/support/temp_config.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"

namespace {

// Opens a dialog by its command and acts while it runs its own loop: the first paint of
// a small window of ours is the first that loop handles. The window goes with the dialog.
void WhileOpen(UINT command, std::function<void(HWND dialog)> action) {
  owner = CreateRecordingWindow(nullptr, WS_VISIBLE, 0, 0, 1, 1);
  Then([action] { action(FindWindowW(u"Dialog", nullptr)); });
  SendMessageW(hMainWnd, WM_COMMAND, command, 0);
  DestroyWindow(owner);
}

void TapDone() { TapMiddle(WindowRect(FindWindowW(u"DoneButton", nullptr))); }

using DialogsTest = ProgramTest;

// The board in the middle of a box, as the screen shows it.
COLORREF BoardPixel() {
  const RECT box = OnScreen(CellRect(BoardLayout, BoxCell(3, 3)));
  return EmulatorScreenPixel((box.left + box.right) / 2, (box.top + box.bottom) / 2);
}

TEST_F(DialogsTest, OptionsShowsSetsAndWritesBothSettingsHoweverItEnds) {
  // Done with no change, and the close button after changes, which drops them: both
  // settings written as they were, the skin loaded and the board painted again as it was.
  // Both changed and Done is what e2e_options_keys.sh does, by keys, at two screen sizes.
  // Whether "Play sounds" is cleared, the skin chosen (-1: none), and Done or the desktop
  // window's close button.
  const std::tuple<bool, int, bool> cases[] = {{false, -1, true}, {true, 4, false}};
  ASSERT_TRUE(Start(240, 320));
  for (const auto& [untick, choose, done] : cases) {
    SCOPED_TRACE(choose);
    Sound = 1;
    Skin = 2;
    FreeSkin();
    LoadSkin();
    InvalidateRect(hMainWnd, nullptr, FALSE);
    Pump();
    const COLORREF before = BoardPixel();
    RegFlushKey(HKEY_CURRENT_USER);  // no write of the game lands after the removal
    std::remove(registryFile.c_str());
    scoreTextColour = RGB(1, 2, 3);  // set again only by a skin loaded anew

    WhileOpen(IDM_OPTIONS, [untick, choose, done](HWND dialog) {
      HWND skins = GetDlgItem(dialog, IDC_SKIN);
      EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_SOUND), BM_GETCHECK, 0, 0), BST_CHECKED);
      ASSERT_EQ(SendMessageW(skins, CB_GETCOUNT, 0, 0), 6);
      for (int i = 0; i < 6; ++i) {
        WCHAR text[16];
        SendMessageW(skins, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::u16string(text), i == 0 ? u"Default" : u"Skin" + std::u16string(1, u'0' + i));
      }
      EXPECT_EQ(SendMessageW(skins, CB_GETCURSEL, 0, 0), 2);
      if (untick) SendMessageW(GetDlgItem(dialog, IDC_SOUND), BM_SETCHECK, BST_UNCHECKED, 0);
      if (choose >= 0) SendMessageW(skins, CB_SETCURSEL, choose, 0);
      done ? TapDone() : EmulatorCloseButton();
    });

    ASSERT_TRUE(IsWindow(hMainWnd));
    EXPECT_TRUE(Sound == 1 && Skin == 2);
    RegFlushKey(HKEY_CURRENT_USER);
    const std::string written = ReadFileText(registryFile);
    EXPECT_NE(written.find("\"Sound\"=dword:00000001"), std::string::npos);
    EXPECT_NE(written.find("\"Skin\"=dword:00000002"), std::string::npos);
    EXPECT_NE(scoreTextColour, RGB(1, 2, 3)) << "the skin was not loaded again";
    Pump();
    EXPECT_NE(BoardPixel(), RGB(255, 255, 255)) << "the board was not painted again";
    EXPECT_EQ(BoardPixel(), before);
  }
}

// The logo for the screen, held only while the box is open; on 240 x 320 the whole layout
// in the work area between the bars, which is W 240, H 242: the logo a sixteenth of the
// free height down, each line after a tenth of its own height.
TEST_F(DialogsTest, AboutShowsTheLogoForTheScreenLaidOutBetweenTheBarsAndFreesIt) {
  const int logos[][4] = {{240, 320, 69, 83}, {320, 240, 69, 83}, {480, 640, 138, 166}};  // screen, logo
  for (const auto& [width, height, logoWidth, logoHeight] : logos) {
    SCOPED_TRACE(width);
    ASSERT_TRUE(Start(width, height));
    const int bitmaps = EmulatorBitmapCount();
    RECT work;
    ASSERT_TRUE(GetWorkArea(&work));
    WhileOpen(IDM_ABOUT, [&](HWND dialog) {
      const RECT logo = Placed(dialog, IDC_LOGO);
      EXPECT_EQ(std::make_pair(logo.right - logo.left, logo.bottom - logo.top),
                std::make_pair(logoWidth, logoHeight));
      EXPECT_EQ(EmulatorBitmapCount(), bitmaps + 1);
      if (width != 240) return TapDone();
      EXPECT_TRUE(Same(work, RECT{0, 26, 240, 268}));
      EXPECT_TRUE(Same(Placed(dialog, IDC_LOGO), RECT{85, 9, 154, 92}));
      EXPECT_TRUE(Same(Placed(dialog, IDC_MAKER), RECT{62, 93, 178, 105}));
      EXPECT_TRUE(Same(Placed(dialog, IDC_NOTICE), RECT{60, 106, 180, 118}));
      EXPECT_TRUE(Same(Placed(dialog, IDC_VERSION), RECT{31, 119, 209, 131}));
      // Wider than the work area by 3: x is -3 / 2, truncated toward zero.
      MoveWindow(GetDlgItem(dialog, IDC_MAKER), 0, 0, 243, 12, FALSE);
      EXPECT_TRUE(LayoutAboutDialog(dialog));
      EXPECT_TRUE(Same(Placed(dialog, IDC_MAKER), RECT{-1, 93, 242, 105}));
      EmulatorKey(VK_RETURN, FALSE);
    });
    EXPECT_EQ(EmulatorBitmapCount(), bitmaps);
    Stop();
  }
}

}  // namespace
