// The entry and start-up: one copy only, the window class, the folders, settings and
// layout, the main window shrunk by its menu bar, and the message loop with the keys of
// accelerator table 2.
#include "app/app.h"
#include "app/resource.h"
#include "platform/strsafe.h"
#include "platform/winbase.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "settings/folders.h"
#include "settings/settings.h"
#include "sound/sounds.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"

namespace {

// The handle with its lowest bit set brings the windows it owns to the front as well.
HWND WithOwnedWindows(HWND window) {
  return reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(window) | 0x01);
}

}  // namespace

int WinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nCmdShow) {
  hInst = hInstance;
  if (!InitInstance(hInstance, nCmdShow)) return 0;
  HACCEL hAccel = LoadAcceleratorsW(hInstance, MAKEINTRESOURCE(IDR_ACCELERATORS));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    if (!TranslateAcceleratorW(msg.hwnd, hAccel, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}

BOOL InitInstance(HINSTANCE hInstance, int nCmdShow) {
  SHInitExtraControls();
  LoadStringW(hInstance, IDS_TITLE, szTitle, 100);
  LoadStringW(hInstance, IDS_CLASS, szWindowClass, 100);

  // One copy at a time: a second start brings the first to the front and ends.
  if (HWND running = FindWindowW(szWindowClass, szTitle)) {
    SetForegroundWindow(WithOwnedWindows(running));
    return 0;
  }

  WNDCLASSW wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = MainWndProc;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconW(hInstance, MAKEINTRESOURCE(IDI_PROGRAM));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = szWindowClass;
  if (!RegisterClassW(&wc)) return 0;

  InitApp();

  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  hMainWnd = CreateWindowExW(0, szWindowClass, szTitle, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, hInstance, nullptr);
  SetCursor(nullptr);
  if (hMainWnd == nullptr) return 0;

  SetForegroundWindow(WithOwnedWindows(hMainWnd));

  // The main window ends where the menu bar begins.
  if (hMenuBar != nullptr) {
    RECT window, menuBar;
    GetWindowRect(hMainWnd, &window);
    GetWindowRect(hMenuBar, &menuBar);
    MoveWindow(hMainWnd, window.left, window.top, window.right - window.left,
               window.bottom - window.top - (menuBar.bottom - menuBar.top), FALSE);
  }

  ShowWindow(hMainWnd, nCmdShow);
  UpdateWindow(hMainWnd);
  return 1;
}

namespace {

// The program's own file name, cut at its last backslash, and the resource folder in it.
void BuildFolders() {
  const DWORD length = GetModuleFileNameW(nullptr, ProgramFolder, MAX_PATH);
  for (DWORD i = length; i > 0; --i)
    if (ProgramFolder[i - 1] == u'\\') {
      ProgramFolder[i - 1] = 0;
      break;
    }
  StringCchCopyW(ResFolder, MAX_PATH, ProgramFolder);
  StringCchCatW(ResFolder, MAX_PATH, u"\\res");
}

}  // namespace

// Asked before the screen is laid out, so before InitApp: the folders are built for it.
BOOL CanShowScreen(int width, int height) {
  BuildFolders();
  return SkinPicturesPresent(ResolutionIdFor(width, height)) ? TRUE : FALSE;
}

BOOL InitApp() {
  BuildFolders();
  BuildSoundPaths();
  LoadSettings();
  DetectLayout();
  return 1;
}
