// Dialogs: templates turned into pixels at both screen densities, modal to their owner and
// ended by Enter or Escape; their controls by keyboard, the focus going round the tab stops
// with a mark that shows. The drop-down list under taps, and opened by Alt+Down, and
// Shift+Tab round the tab stops are played under Xvfb by e2e_options.sh and
// e2e_options_keys.sh.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

#include "platform/emulator.h"
#include "tests/support/recording_window.h"

namespace {

constexpr WORD CheckId = 10, ListId = 11;
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
// The check box, a label and the list, both controls tab stops.
constexpr DLGITEMTEMPLATE Items[] = {
    {Child | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 9, 11, 61, 10, CheckId, WC_BUTTON, u"Tick"},
    {Child | SS_LEFT | WS_GROUP, 0, 9, 27, 44, 8, 0xFFFF, WC_STATIC, u"Label"},
    {Child | CBS_DROPDOWNLIST | WS_TABSTOP, 0, 58, 25, 59, 80, ListId, WC_COMBOBOX, u""},
};
constexpr DLGTEMPLATE Template{
    WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 3, 4, 6, 156, 153, nullptr, nullptr, u"Test", 9, u"System", Items};

BOOL TestDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK) return FALSE;
      EndDialog(dialog, 100);
      return TRUE;
    case WM_CLOSE: EndDialog(dialog, 200); return TRUE;
    default: return FALSE;
  }
}

HWND Dialog() { return FindWindowW(u"Dialog", nullptr); }

TEST_F(ShellTest, DialogTemplatesArePlacedInDialogUnitsOfTheScreensFontAndEndByEnterOrEscape) {
  // The screen, the base units, where the check box and the list are placed (the list as
  // high as its box, whatever the template says), and the key that ends the dialog with its
  // result: Enter answers OK, Escape closes.
  const std::tuple<int, int, LONG, LONG, RECT, RECT, int, int> densities[] = {
      {240, 320, 8, 12, {18, 17, 140, 32}, {116, 38, 234, 58}, VK_RETURN, 100},
      {480, 640, 15, 24, {34, 33, 263, 63}, {218, 75, 439, 115}, VK_ESCAPE, 200}};
  for (const auto& [width, height, baseX, baseY, check, list, key, result] : densities) {
    SCOPED_TRACE(width);
    EmulatorSetScreen(width, height, 1);
    EmulatorStartShell();
    EXPECT_EQ(GetDialogBaseUnits(), MAKELPARAM(static_cast<WORD>(baseX), static_cast<WORD>(baseY)));
    Then([height, check, list, key] {
      // At the template's place in the owner's client area.
      const RECT at = WindowRect(owner);
      RECT units{4, 6, 160, 159};
      MapDialogRect(Dialog(), &units);
      EXPECT_TRUE(Same(WindowRect(Dialog()), RECT{at.left + units.left, at.top + units.top,
                                                  at.left + units.right, at.top + units.bottom}));
      EXPECT_TRUE(Same(Placed(Dialog(), CheckId), check));
      EXPECT_TRUE(Same(Placed(Dialog(), ListId), list));
      EmulatorTap(1, height - 2);  // beside the dialog, on its owner
      EmulatorKey(key, FALSE);
    });
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &Template, owner, TestDlgProc, 0), result);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty()) << "the owner took input";
  }
}

std::vector<std::pair<WORD, WORD>> notified;  // control and notification

// The list holds three items, the second chosen.
BOOL KeysDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    for (LPCWSTR item : {u"A", u"B", u"C"})
      SendMessageW(GetDlgItem(dialog, ListId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(GetDlgItem(dialog, ListId), CB_SETCURSEL, 1, 0);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) != IDOK) notified.push_back({LOWORD(wParam), HIWORD(wParam)});
  return TestDlgProc(dialog, message, wParam, lParam);
}

// Whether a control shows the focus mark: the selection colour round the check box's text,
// or behind the list's chosen item.
bool Marked(int id) {
  return std::ranges::count(ScreenPixels(WindowRect(GetDlgItem(Dialog(), id))), RGB(30, 70, 156)) > 0;
}

LRESULT Ask(int id, UINT message) { return SendMessageW(GetDlgItem(Dialog(), id), message, 0, 0); }

// Runs each step once the keys of the one before have been handled.
void Steps(std::vector<std::function<void()>> steps, size_t at = 0) {
  if (at == steps.size()) return;
  Then([steps, at] {
    steps[at]();
    Steps(steps, at + 1);
  });
}

TEST_F(ShellTest, TheFocusGoesRoundTheTabStopsAndTheKeysWorkTheControlWithIt) {
  notified.clear();
  Steps({[] {
           // The first tab stop has it at the start.
           EXPECT_TRUE(Marked(CheckId));
           EXPECT_FALSE(Marked(ListId));
           for (int key : {VK_SPACE, VK_TAB}) EmulatorKey(key, FALSE);
         },
         [] {
           EXPECT_EQ(Ask(CheckId, BM_GETCHECK), BST_CHECKED);
           EXPECT_FALSE(Marked(CheckId));
           EXPECT_TRUE(Marked(ListId));
           for (int key : {VK_DOWN, VK_DOWN, VK_UP, VK_UP, VK_UP, VK_SPACE}) EmulatorKey(key, FALSE);
         },
         [] {
           EXPECT_EQ(Ask(ListId, CB_GETCURSEL), 0);  // down to the end, then up to the start
           EXPECT_EQ(Ask(CheckId, BM_GETCHECK), BST_CHECKED);
           TapMiddle(WindowRect(GetDlgItem(Dialog(), CheckId)));  // a tap takes it too
         },
         [] {
           EXPECT_TRUE(Marked(CheckId));
           EXPECT_EQ(Ask(CheckId, BM_GETCHECK), BST_UNCHECKED);
           EmulatorKey(VK_RETURN, FALSE);
         }});
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &Template, owner, KeysDlgProc, 0), 100);
  const std::pair<WORD, WORD> ticked{CheckId, BN_CLICKED}, chosen{ListId, CBN_SELCHANGE};
  EXPECT_EQ(notified, (std::vector{ticked, chosen, chosen, chosen, ticked}));
}

}  // namespace
