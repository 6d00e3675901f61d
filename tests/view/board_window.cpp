// The test main window.
#include "tests/view/board_window.h"

#include "app/folders.h"
#include "app/mainwnd.h"
#include "platform/emulator.h"
#include "platform/hostpath.h"
#include "platform/strsafe.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "tests/support/synthetic_skin.h"
#include "tests/support/temp_folder.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"

namespace {

LRESULT BoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC hdc = BeginPaint(window, &paint);
  PaintBoard(hdc, window);
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

const std::string& StandInArt() {
  static const std::string folder = [] {
    std::string made = MakeTempFolder();
    if (!WriteSyntheticSkins(made)) made.clear();
    return made;
  }();
  return folder;
}

void UseResFolder(const std::string& folder) {
  StringCchCopyW(ResFolder, MAX_PATH, DevicePath(folder).c_str());
}

void OpenBoardWindow(int resolutionId, int skin) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = BoardWndProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = u"BOARDTEST";
    registered = RegisterClassW(&wc) != 0;
  }
  EmulatorSetScreen(ScreenSizes[resolutionId].cx, ScreenSizes[resolutionId].cy, 1);
  DetectLayout();
  Skin = skin;
  SkinImages = SkinImageHandles{};
  LoadSkin();
  hMainWnd = CreateWindowExW(0, u"BOARDTEST", u"Board", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

void CloseBoardWindow() {
  DestroyWindow(hMainWnd);
  hMainWnd = nullptr;
  FreeSkin();
  SkinImages = SkinImageHandles{};
}

void PaintAll() {
  InvalidateRect(hMainWnd, nullptr, FALSE);
  UpdateWindow(hMainWnd);
}
