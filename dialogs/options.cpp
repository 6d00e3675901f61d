// The Options dialog: "Play sounds" and the skin list, set from Sound and Skin when it
// opens and written back to them by Done only.
#include "dialogs/dialogs.h"
#include "platform/aygshell.h"
#include "settings/settings.h"

namespace {

// Done in the task bar, the screen below it, no input panel, an empty menu bar.
constexpr DWORD PocketDialog =
    SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN | SHIDIF_EMPTYMENU;

// In Skin order: the list is not sorted, so an item's index is its Skin value.
constexpr LPCWSTR SkinNames[] = {u"Default", u"Skin1", u"Skin2", u"Skin3", u"Skin4", u"Skin5"};

}  // namespace

BOOL OptionsDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      SHINITDLGINFO shidi{SHIDIM_FLAGS, hDlg, PocketDialog};
      SHInitDialog(&shidi);
      HWND skins = GetDlgItem(hDlg, IDC_SKIN);
      for (LPCWSTR name : SkinNames) SendMessageW(skins, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      SendMessageW(GetDlgItem(hDlg, IDC_SOUND), BM_SETCHECK, Sound == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
      SendMessageW(skins, CB_SETCURSEL, static_cast<WPARAM>(Skin), 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK) return FALSE;
      Sound = SendMessageW(GetDlgItem(hDlg, IDC_SOUND), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
      Skin = static_cast<int32_t>(SendMessageW(GetDlgItem(hDlg, IDC_SKIN), CB_GETCURSEL, 0, 0));
      EndDialog(hDlg, IDOK);
      return TRUE;
    case WM_CLOSE: EndDialog(hDlg, IDCANCEL); return TRUE;
    default: return FALSE;
  }
}
