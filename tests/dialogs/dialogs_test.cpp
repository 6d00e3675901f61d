// Options and About inside the running program: what Options shows, sets and writes however
// it ends, and the About box's logo for the screen and its layout below the task bar.
#include "dialogs/dialogs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/app.h"
#include "app/mainwnd.h"
#include "app/resource.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "settings/settings.h"
#include "tests/support/temp_config.h"
#include "view/layout.h"
#include "view/skin.h"

namespace {

constexpr LPCWSTR SkinNames[] = {u"Default", u"Skin1", u"Skin2", u"Skin3", u"Skin4", u"Skin5"};
constexpr COLORREF White = RGB(255, 255, 255);

// Acting while a dialog runs its own loop: a message posted to a hidden window of ours is
// the first that loop handles.
std::function<void(HWND dialog)> inside;

LRESULT ActorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_USER || !inside) return DefWindowProcW(window, message, wParam, lParam);
  auto action = std::move(inside);
  inside = nullptr;
  action(FindWindowW(u"Dialog", nullptr));
  return 0;
}

void WhileOpen(std::function<void(HWND dialog)> action) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ActorProc;
    wc.lpszClassName = u"Actor";
    registered = RegisterClassW(&wc) != 0;
  }
  HWND actor = CreateWindowExW(0, u"Actor", nullptr, 0, 0, 0, 0, 0, hMainWnd, nullptr, nullptr, nullptr);
  inside = std::move(action);
  PostMessageW(actor, WM_USER, 0, 0);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message != WM_QUIT) DispatchMessageW(&msg);
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}
// A control's place in its dialog's client area.
RECT Placed(HWND dialog, int id) {
  const RECT d = WindowRect(dialog), r = WindowRect(GetDlgItem(dialog, id));
  return RECT{r.left - d.left, r.top - d.top, r.right - d.left, r.bottom - d.top};
}
bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
void TapDone() {
  const RECT r = WindowRect(FindWindowW(u"DoneButton", nullptr));
  EmulatorTap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class DialogsTest : public testing::Test {
 protected:
  // A session of our own: the program another test starts meanwhile is not found.
  static void SetUpTestSuite() {
    unsetenv("DISPLAY");
    setenv("WAYLAND_DISPLAY", ("marlix-dialogs-" + std::to_string(getpid())).c_str(), 1);
  }
  void Start(int width, int height) {
    registry = UseTempConfig(root);
    EmulatorSetScreen(width, height, 1);
    EmulatorStartShell();
    hInst = EmulatorLoadModule(ProgramResources, ProgramResourceCount);
    ASSERT_TRUE(InitInstance(hInst, SW_SHOW));
    Pump();
  }
  void TearDown() override {
    if (IsWindow(hMainWnd)) DestroyWindow(hMainWnd);
    Pump();
    UnregisterClassW(szWindowClass, hInst);
    RemoveTempConfig(root);
  }
  // The board in the middle of a box, as the screen shows it.
  COLORREF BoardPixel() const {
    const RECT box = CellRect(BoardLayout, BoxCell(3, 3));
    const RECT client = WindowRect(hMainWnd);
    return EmulatorScreenPixel(client.left + (box.left + box.right) / 2,
                               client.top + (box.top + box.bottom) / 2);
  }
  std::string root, registry;
};

struct OptionsCase {
  const char* name;
  int32_t sound, skin;
  std::function<void(HWND dialog)> change;
  bool done;  // Done, or the desktop window's close button
  int32_t wantSound, wantSkin;
};

void Untick(HWND dialog) { SendMessageW(GetDlgItem(dialog, IDC_SOUND), BM_SETCHECK, BST_UNCHECKED, 0); }
void Choose(HWND dialog, int skin) { SendMessageW(GetDlgItem(dialog, IDC_SKIN), CB_SETCURSEL, skin, 0); }

TEST_F(DialogsTest, OptionsShowsSetsAndWritesBothSettingsHoweverItEnds) {
  const OptionsCase cases[] = {
      {"Done with no change", 1, 2, [](HWND) {}, true, 1, 2},
      {"closed after changes", 1, 2,
       [](HWND d) {
         Untick(d);
         Choose(d, 4);
       },
       false, 1, 2},
      {"Play sounds cleared", 1, 0, Untick, true, 0, 0},
      {"Skin3 chosen", 0, 0, [](HWND d) { Choose(d, 3); }, true, 0, 3},
      {"Skin5 kept", 0, 5, [](HWND) {}, true, 0, 5},
  };
  Start(240, 320);
  for (const OptionsCase& c : cases) {
    SCOPED_TRACE(c.name);
    Sound = c.sound;
    Skin = c.skin;
    FreeSkin();
    LoadSkin();
    InvalidateRect(hMainWnd, nullptr, FALSE);
    Pump();
    const COLORREF before = BoardPixel();
    std::remove(registry.c_str());
    scoreTextColour = RGB(1, 2, 3);  // set again only by a skin loaded anew

    WhileOpen([&](HWND dialog) {
      ASSERT_NE(dialog, nullptr);
      HWND skins = GetDlgItem(dialog, IDC_SKIN);
      EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_SOUND), BM_GETCHECK, 0, 0),
                c.sound == 1 ? BST_CHECKED : BST_UNCHECKED);
      ASSERT_EQ(SendMessageW(skins, CB_GETCOUNT, 0, 0), 6);
      for (int i = 0; i < 6; ++i) {
        WCHAR text[16];
        SendMessageW(skins, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::u16string(text), SkinNames[i]);
      }
      EXPECT_EQ(SendMessageW(skins, CB_GETCURSEL, 0, 0), c.skin);
      c.change(dialog);
      c.done ? TapDone() : EmulatorCloseButton();
    });
    SendMessageW(hMainWnd, WM_COMMAND, IDM_OPTIONS, 0);

    EXPECT_EQ(FindWindowW(u"Dialog", nullptr), nullptr);
    ASSERT_TRUE(IsWindow(hMainWnd));
    EXPECT_EQ(Sound, c.wantSound);
    EXPECT_EQ(Skin, c.wantSkin);
    const std::string written = ReadFileText(registry);
    EXPECT_NE(written.find("\"Sound\"=dword:0000000" + std::to_string(c.wantSound)), std::string::npos);
    EXPECT_NE(written.find("\"Skin\"=dword:0000000" + std::to_string(c.wantSkin)), std::string::npos);
    EXPECT_NE(scoreTextColour, RGB(1, 2, 3)) << "the skin was not loaded again";
    Pump();
    EXPECT_NE(BoardPixel(), White) << "the board was not painted again";
    EXPECT_EQ(BoardPixel() != before, c.wantSkin != c.skin);
  }
}

struct LogoCase {
  int width, height;
  LONG logoWidth, logoHeight;
};

TEST_F(DialogsTest, AboutShowsTheLogoForTheScreenAndFreesIt) {
  for (const LogoCase& c : {LogoCase{320, 240, 69, 83}, LogoCase{480, 640, 138, 166}}) {
    SCOPED_TRACE(c.width);
    Start(c.width, c.height);
    const int bitmaps = EmulatorBitmapCount();
    WhileOpen([&](HWND dialog) {
      const RECT logo = Placed(dialog, IDC_LOGO);
      EXPECT_EQ(logo.right - logo.left, c.logoWidth);
      EXPECT_EQ(logo.bottom - logo.top, c.logoHeight);
      EXPECT_EQ(EmulatorBitmapCount(), bitmaps + 1);
      TapDone();
    });
    SendMessageW(hMainWnd, WM_COMMAND, IDM_ABOUT, 0);
    EXPECT_EQ(FindWindowW(u"Dialog", nullptr), nullptr);
    EXPECT_EQ(EmulatorBitmapCount(), bitmaps);
    TearDown();
  }
}

TEST_F(DialogsTest, AboutIsLaidOutInTheScreenBetweenTheBars) {
  Start(240, 320);
  RECT work;
  ASSERT_TRUE(GetWorkArea(&work));
  EXPECT_TRUE(Same(work, RECT{0, 26, 240, 268}));
  WhileOpen([](HWND dialog) {
    // W 240, H 242: the logo a sixteenth of the free height down, each line after a tenth
    // of its own height.
    EXPECT_TRUE(Same(Placed(dialog, IDC_LOGO), RECT{85, 9, 154, 92}));
    EXPECT_TRUE(Same(Placed(dialog, IDC_MAKER), RECT{62, 93, 178, 105}));
    EXPECT_TRUE(Same(Placed(dialog, IDC_NOTICE), RECT{60, 106, 180, 118}));
    EXPECT_TRUE(Same(Placed(dialog, IDC_VERSION), RECT{31, 119, 209, 131}));
    // Wider than the work area by 3: x is -3 / 2, truncated toward zero.
    MoveWindow(GetDlgItem(dialog, IDC_MAKER), 0, 0, 243, 12, FALSE);
    EXPECT_TRUE(LayoutAboutDialog(dialog));
    EXPECT_TRUE(Same(Placed(dialog, IDC_MAKER), RECT{-1, 93, 242, 105}));
    // Without a task bar nothing moves.
    MoveWindow(GetDlgItem(dialog, IDC_VERSION), 5, 6, 7, 8, FALSE);
    DestroyWindow(FindWindowW(u"HHTaskBar", nullptr));
    RECT untouched{1, 2, 3, 4};
    EXPECT_FALSE(GetWorkArea(&untouched));
    EXPECT_TRUE(Same(untouched, RECT{1, 2, 3, 4}));
    EXPECT_FALSE(LayoutAboutDialog(dialog));
    EXPECT_TRUE(Same(Placed(dialog, IDC_VERSION), RECT{5, 6, 12, 14}));
    EmulatorKey(VK_RETURN, FALSE);
  });
  SendMessageW(hMainWnd, WM_COMMAND, IDM_ABOUT, 0);
  EXPECT_EQ(FindWindowW(u"Dialog", nullptr), nullptr);
}

}  // namespace
