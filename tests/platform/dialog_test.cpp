// Dialogs: templates turned into pixels at both screen densities, the ways a player ends
// a dialog, the check box and the drop-down list under taps, and the shell fitting the
// dialog to the screen and again after it turned.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "tests/platform/recording_window.h"

namespace {

constexpr WORD CheckId = 10, ListId = 11;
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DLGITEMTEMPLATE Items[] = {
    {Child | BS_AUTOCHECKBOX, 0, 9, 11, 61, 10, CheckId, WC_BUTTON, u"&Tick"},
    {Child | CBS_DROPDOWNLIST, 0, 58, 25, 59, 80, ListId, WC_COMBOBOX, u""},
};
constexpr DLGTEMPLATE Template{
    WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 2, 4, 6, 156, 153, nullptr, nullptr, u"Test", 9, u"System", Items};
constexpr DWORD PocketDialog =
    SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN | SHIDIF_EMPTYMENU;

std::vector<std::tuple<UINT, WPARAM, LPARAM>> seen;  // what the dialog procedure got
DWORD shellFlags = 0;
HWND owner = nullptr;

BOOL TestDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  seen.emplace_back(message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG: {
      SHINITDLGINFO info{SHIDIM_FLAGS, dialog, shellFlags};
      if (shellFlags != 0) SHInitDialog(&info);
      for (LPCWSTR item : {u"Zero", u"One", u"Two"})
        SendMessageW(GetDlgItem(dialog, ListId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK) return FALSE;
      EndDialog(dialog, 100);
      return TRUE;
    case WM_CLOSE: EndDialog(dialog, 200); return TRUE;
    default: return FALSE;
  }
}

// Runs `next` at the owner's next paint, which comes while the dialog (or its list) waits.
void Then(std::function<void()> next) {
  OnNextPaint = std::move(next);
  InvalidateRect(owner, nullptr, FALSE);
}
HWND Dialog() { return FindWindowW(u"Dialog", nullptr); }
int RunDialog(std::function<void()> inside) {
  Then(std::move(inside));
  return DialogBoxIndirectParamW(nullptr, &Template, owner, TestDlgProc, 77);
}
RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}
bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
// A control's rectangle in its dialog's client area.
RECT Placed(int id) {
  const RECT d = WindowRect(Dialog()), r = WindowRect(GetDlgItem(Dialog(), id));
  return RECT{r.left - d.left, r.top - d.top, r.right - d.left, r.bottom - d.top};
}
// The last message before the dialog went.
std::tuple<UINT, WPARAM, LPARAM> Last() {
  for (auto it = seen.rbegin(); it != seen.rend(); ++it)
    if (std::get<0>(*it) != WM_DESTROY) return *it;
  return {};
}
int Commands(WORD id) {
  int count = 0;
  for (const auto& [message, wParam, lParam] : seen) count += message == WM_COMMAND && LOWORD(wParam) == id;
  return count;
}

class DialogTest : public testing::Test {
 protected:
  void SetUp() override {
    CloseEverything();
    EmulatorSetScreen(240, 320, 1);
    EmulatorStartShell();
    owner = CreateRecordingWindow();
    PumpMessages();
    ReceivedMessages.clear();
    seen.clear();
    shellFlags = 0;
  }
  void TearDown() override { CloseEverything(); }
};

struct Density {
  int width, height;
  LONG baseX, baseY;
  RECT check, list;  // the list is as high as its box, whatever the template says
};

TEST_F(DialogTest, TemplatesArePlacedInDialogUnitsOfTheScreensFont) {
  const Density densities[] = {{240, 320, 8, 12, {18, 17, 140, 32}, {116, 38, 234, 58}},
                               {480, 640, 15, 24, {34, 33, 263, 63}, {218, 75, 439, 115}}};
  for (const Density& d : densities) {
    SCOPED_TRACE(d.width);
    EmulatorSetScreen(d.width, d.height, 1);
    EmulatorStartShell();
    EXPECT_EQ(GetDialogBaseUnits(), MAKELPARAM(static_cast<WORD>(d.baseX), static_cast<WORD>(d.baseY)));
    const int result = RunDialog([&] {
      // At the template's place in the owner's client area.
      const POINT at{WindowRect(owner).left, WindowRect(owner).top};
      RECT units{4, 6, 160, 159};
      MapDialogRect(Dialog(), &units);
      EXPECT_TRUE(Same(WindowRect(Dialog()),
                       RECT{at.x + units.left, at.y + units.top, at.x + units.right, at.y + units.bottom}));
      EXPECT_TRUE(Same(Placed(CheckId), d.check));
      EXPECT_TRUE(Same(Placed(ListId), d.list));
      EmulatorTap(1, d.height - 2);  // beside the dialog, on its owner
      Then([] { EndDialog(Dialog(), 5); });
    });
    EXPECT_EQ(result, 5);
    EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty()) << "the owner took input";
  }
}

struct Ending {
  const char* name;
  std::function<void()> input;
  UINT message;
  int result;
};

TEST_F(DialogTest, EnterAndDoneAnswerOkEscapeAndTheCloseButtonClose) {
  const Ending endings[] = {
      {"Enter", [] { EmulatorKey(VK_RETURN, FALSE); }, WM_COMMAND, 100},
      {"Done",
       [] {
         const RECT r = WindowRect(FindWindowW(u"DoneButton", nullptr));
         EmulatorTap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
       },
       WM_COMMAND, 100},
      {"Escape", [] { EmulatorKey(VK_ESCAPE, FALSE); }, WM_CLOSE, 200},
      {"close button", [] { EmulatorCloseButton(); }, WM_CLOSE, 200},
  };
  shellFlags = PocketDialog;
  for (const Ending& ending : endings) {
    SCOPED_TRACE(ending.name);
    seen.clear();
    const int result = RunDialog([&] {
      // Full screen below the task bar, Done on the task bar, an empty menu bar at the bottom.
      EXPECT_TRUE(Same(WindowRect(Dialog()), RECT{0, 26, 240, 320}));
      const RECT done = WindowRect(FindWindowW(u"DoneButton", nullptr));
      EXPECT_TRUE(done.top >= 0 && done.bottom <= 26 && done.right <= 240 && done.left > 120);
      EXPECT_TRUE(Same(WindowRect(FindWindowW(u"menu_worker", nullptr)), RECT{0, 294, 240, 320}));
      ending.input();
    });
    EXPECT_EQ(result, ending.result);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(std::get<0>(seen.front()), WM_INITDIALOG);
    EXPECT_EQ(std::get<2>(seen.front()), 77);
    EXPECT_EQ(std::get<0>(Last()), ending.message);
    EXPECT_EQ(LOWORD(std::get<1>(Last())), ending.message == WM_COMMAND ? IDOK : 0);
    EXPECT_TRUE(IsWindow(owner));
    EXPECT_TRUE(ReceivedOf(owner, WM_CLOSE).empty());
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(FindWindowW(u"DoneButton", nullptr), nullptr);
    EXPECT_EQ(FindWindowW(u"menu_worker", nullptr), nullptr);
  }
}

TEST_F(DialogTest, TapsTickTheBoxAndChooseFromTheList) {
  auto tapAt = [](const RECT& r) { EmulatorTap((r.left + r.right) / 2, (r.top + r.bottom) / 2); };
  auto list = [] { return FindWindowW(u"ComboLBox", nullptr); };
  auto listBox = [] { return GetDlgItem(Dialog(), ListId); };
  RunDialog([&] {
    const RECT check = WindowRect(GetDlgItem(Dialog(), CheckId));
    EmulatorTap(check.left + 30, (check.top + check.bottom) / 2);  // on the text, not the box
    Then([&] {
      EXPECT_EQ(SendMessageW(GetDlgItem(Dialog(), CheckId), BM_GETCHECK, 0, 0), BST_CHECKED);
      EXPECT_EQ(Commands(CheckId), 1);
      tapAt(WindowRect(listBox()));
      Then([&] {
        ASSERT_NE(list(), nullptr);
        EXPECT_TRUE(SendMessageW(listBox(), CB_GETDROPPEDSTATE, 0, 0));
        const RECT r = WindowRect(list());
        EXPECT_EQ(r.top, WindowRect(listBox()).bottom);
        const LONG item = (r.bottom - r.top - 2) / 3;
        tapAt(RECT{r.left, r.top + 1 + 2 * item, r.right, r.top + 1 + 3 * item});
        Then([&] {
          EXPECT_EQ(list(), nullptr);
          EXPECT_EQ(SendMessageW(listBox(), CB_GETCURSEL, 0, 0), 2);
          EXPECT_EQ(Commands(ListId), 1);
          tapAt(WindowRect(listBox()));
          Then([&] {
            EXPECT_NE(list(), nullptr);
            EmulatorTap(10, 300);  // elsewhere: the list closes, nothing else happens
            Then([&] {
              EXPECT_EQ(list(), nullptr);
              EXPECT_EQ(SendMessageW(listBox(), CB_GETCURSEL, 0, 0), 2);
              EXPECT_EQ(Commands(ListId), 1);
              EXPECT_EQ(SendMessageW(GetDlgItem(Dialog(), CheckId), BM_GETCHECK, 0, 0), BST_CHECKED);
              EndDialog(Dialog(), 0);
            });
          });
        });
      });
    });
  });
  EXPECT_EQ(Dialog(), nullptr);
}

TEST_F(DialogTest, AFullScreenDialogIsFittedAgainWhenTheScreenTurns) {
  shellFlags = PocketDialog;
  RunDialog([] {
    EmulatorKey(VK_F2, FALSE);
    Then([] {
      EXPECT_TRUE(Same(WindowRect(Dialog()), RECT{0, 26, 320, 240}));
      EXPECT_EQ(std::get<0>(seen.back()), WM_SIZE);
      EXPECT_EQ(std::get<2>(seen.back()), MAKELPARAM(320, 214));
      EXPECT_GT(WindowRect(FindWindowW(u"DoneButton", nullptr)).left, 240);
      EXPECT_TRUE(Same(WindowRect(GetDlgItem(Dialog(), CheckId)), RECT{18, 26 + 17, 140, 26 + 32}));
      EndDialog(Dialog(), 0);
    });
  });
}

}  // namespace
