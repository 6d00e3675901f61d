// Dialogs: templates turned into pixels at both screen densities, modal to their owner and
// ended by Enter or Escape. The drop-down list under taps is played under Xvfb by
// e2e_options.sh.
#include <gtest/gtest.h>

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
    Then([&] {
      // At the template's place in the owner's client area.
      const RECT at = WindowRect(owner);
      RECT units{4, 6, 160, 159};
      MapDialogRect(Dialog(), &units);
      EXPECT_TRUE(Same(WindowRect(Dialog()), RECT{at.left + units.left, at.top + units.top,
                                                  at.left + units.right, at.top + units.bottom}));
      EXPECT_TRUE(Same(Placed(Dialog(), CheckId), d.check));
      EXPECT_TRUE(Same(Placed(Dialog(), ListId), d.list));
      EmulatorTap(1, d.height - 2);  // beside the dialog, on its owner
      EmulatorKey(d.key, FALSE);
    });
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &Template, owner, TestDlgProc, 0), d.result);
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty()) << "the owner took input";
  }
}

}  // namespace
