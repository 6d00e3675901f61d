// The About dialog: the logo for the screen's size above the maker, notice and version
// lines, all centred in the screen between the task bar and the menu bar.
#include "dialogs/dialogs.h"
#include "platform/aygshell.h"
#include "platform/winbase.h"
#include "platform/wingdi.h"
#include "view/layout.h"

HBITMAP LogoBitmap;

namespace {

constexpr DWORD PocketDialog =
    SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN | SHIDIF_EMPTYMENU;

// The large logo is for the screens of 480 pixels and more on both sides.
WORD LogoFor(int resolutionId) {
  switch (resolutionId) {
    case 1:
    case 2:
    case 4:
    case 5: return IDB_LOGO_LARGE;
    default: return IDB_LOGO;
  }
}

void EndAbout(HWND hDlg, int result) {
  if (LogoBitmap != nullptr) DeleteObject(LogoBitmap);
  LogoBitmap = nullptr;
  EndDialog(hDlg, result);
}

}  // namespace

BOOL GetWorkArea(RECT* rect) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HWND taskBar = FindWindowW(u"HHTaskBar", nullptr);
  RECT bar;
  if (taskBar == nullptr || !GetWindowRect(taskBar, &bar)) return FALSE;
  // As on the handheld: the menu bar at the bottom is taken to be as high as the task bar.
  *rect = RECT{0, bar.bottom, width, height - 2 * (bar.bottom - bar.top)};
  return TRUE;
}

BOOL LayoutAboutDialog(HWND hDlg) {
  RECT work;
  if (!GetWorkArea(&work)) return FALSE;
  const int32_t W = work.right - work.left;
  const int32_t H = work.bottom - work.top;
  int32_t bottom = 0;
  // The logo a sixteenth of the free height from the top, each line below the one above
  // after a tenth of its own height.
  const int order[] = {IDC_LOGO, IDC_MAKER, IDC_NOTICE, IDC_VERSION};
  for (int id : order) {
    HWND control = GetDlgItem(hDlg, id);
    RECT r{0, 0, 0, 0};
    GetWindowRect(control, &r);
    const int32_t w = r.right - r.left, h = r.bottom - r.top;
    // As on the handheld: from the work area's size alone, not where it lies, and each
    // division truncates toward zero (a control 3 pixels wider than the area gets x = -1).
    const int32_t x = (W - w) / 2;
    const int32_t y = id == IDC_LOGO ? (H - h) / 16 : bottom + h / 10;
    MoveWindow(control, x, y, w, h, FALSE);
    bottom = y + h;
  }
  return TRUE;
}

BOOL AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      SHINITDLGINFO shidi{SHIDIM_FLAGS, hDlg, PocketDialog};
      SHInitDialog(&shidi);
      LogoBitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(LogoFor(ResolutionId)));
      SendMessageW(GetDlgItem(hDlg, IDC_LOGO), STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(LogoBitmap));
      LayoutAboutDialog(hDlg);
      return TRUE;
    }
    case WM_SIZE: LayoutAboutDialog(hDlg); return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK) return FALSE;
      EndAbout(hDlg, IDOK);
      return TRUE;
    case WM_CLOSE: EndAbout(hDlg, IDCANCEL); return TRUE;
    default: return FALSE;
  }
}
