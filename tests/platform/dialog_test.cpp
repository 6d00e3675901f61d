// Dialogs: templates turned into pixels at both screen densities, modal to their owner and
// ended by Enter or Escape, and the check box and the drop-down list under taps.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/emulator.h"
#include "tests/support/recording_window.h"

namespace {

constexpr WORD CheckId = 10, ListId = 11;
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DLGITEMTEMPLATE Items[] = {
    {Child | BS_AUTOCHECKBOX, 0, 9, 11, 61, 10, CheckId, WC_BUTTON, u"&Tick"},
    {Child | CBS_DROPDOWNLIST, 0, 58, 25, 59, 80, ListId, WC_COMBOBOX, u""},
};
constexpr DLGTEMPLATE Template{
    WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 2, 4, 6, 156, 153, nullptr, nullptr, u"Test", 9, u"System", Items};

BOOL TestDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      for (LPCWSTR item : {u"Zero", u"One", u"Two"})
        SendMessageW(GetDlgItem(dialog, ListId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK) return FALSE;
      EndDialog(dialog, 100);
      return TRUE;
    case WM_CLOSE: EndDialog(dialog, 200); return TRUE;
    default: return FALSE;
  }
}

HWND Dialog() { return FindWindowW(u"Dialog", nullptr); }
HWND Item(int id) { return GetDlgItem(Dialog(), id); }
int RunDialog(std::function<void()> inside) {
  Then(std::move(inside));
  return DialogBoxIndirectParamW(nullptr, &Template, owner, TestDlgProc, 0);
}

TEST_F(ShellTest, DialogTemplatesArePlacedInDialogUnitsOfTheScreensFontAndEndByEnterOrEscape) {
  const struct {
    int width, height;
    LONG baseX, baseY;
    RECT check, list;  // the list is as high as its box, whatever the template says
    int key, result;   // Enter answers OK, Escape closes
  } densities[] = {{240, 320, 8, 12, {18, 17, 140, 32}, {116, 38, 234, 58}, VK_RETURN, 100},
                   {480, 640, 15, 24, {34, 33, 263, 63}, {218, 75, 439, 115}, VK_ESCAPE, 200}};
  for (const auto& d : densities) {
    SCOPED_TRACE(d.width);
    EmulatorSetScreen(d.width, d.height, 1);
    EmulatorStartShell();
    EXPECT_EQ(GetDialogBaseUnits(), MAKELPARAM(static_cast<WORD>(d.baseX), static_cast<WORD>(d.baseY)));
    const int result = RunDialog([&] {
      // At the template's place in the owner's client area.
      const RECT at = WindowRect(owner);
      RECT units{4, 6, 160, 159};
      MapDialogRect(Dialog(), &units);
      EXPECT_TRUE(Same(WindowRect(Dialog()), RECT{at.left + units.left, at.top + units.top, at.left + units.right,
                                                  at.top + units.bottom}));
      EXPECT_TRUE(Same(Placed(Dialog(), CheckId), d.check));
      EXPECT_TRUE(Same(Placed(Dialog(), ListId), d.list));
      EmulatorTap(1, d.height - 2);  // beside the dialog, on its owner
      EmulatorKey(d.key, FALSE);
    });
    EXPECT_EQ(result, d.result);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty()) << "the owner took input";
  }
}

TEST_F(ShellTest, TapsTickTheBoxAndChooseFromTheList) {
  const auto list = [] { return FindWindowW(u"ComboLBox", nullptr); };
  const auto chosen = [] { return SendMessageW(Item(ListId), CB_GETCURSEL, 0, 0); };
  RunDialog([&] {
    const RECT check = WindowRect(Item(CheckId));
    EmulatorTap(check.left + 30, (check.top + check.bottom) / 2);  // on the text, not the box
    TapMiddle(WindowRect(Item(ListId)));
    Then([&] {
      EXPECT_EQ(SendMessageW(Item(CheckId), BM_GETCHECK, 0, 0), BST_CHECKED);
      ASSERT_NE(list(), nullptr);
      const RECT r = WindowRect(list());  // three rows below the box, inside a border
      EXPECT_EQ(r.top, WindowRect(Item(ListId)).bottom);
      const LONG row = (r.bottom - r.top - 2) / 3;
      TapMiddle(RECT{r.left, r.top + 1 + 2 * row, r.right, r.top + 1 + 3 * row});
      TapMiddle(WindowRect(Item(ListId)));
      Then([&] {
        EXPECT_EQ(chosen(), 2);
        EXPECT_NE(list(), nullptr);
        EmulatorTap(10, 300);  // elsewhere: the list closes, nothing else happens
        Then([&] {
          EXPECT_EQ(list(), nullptr);
          EXPECT_EQ(chosen(), 2);
          EndDialog(Dialog(), 0);
        });
      });
    });
  });
  EXPECT_EQ(Dialog(), nullptr);
}

}  // namespace
