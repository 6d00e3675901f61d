// The Pocket PC shell's calls.
#pragma once

#include "platform/windef.h"

// Decodes an image file (GIF, among others) into a bitmap; null for a missing or bad file.
HBITMAP SHLoadImageFile(LPCWSTR fileName);

// Shell controls the program may use; nothing needs starting on the desktop.
BOOL SHInitExtraControls();

// The menu bar at the bottom of the screen, built from a menu-bar resource (RT_RCDATA):
// the menu's id, the button count, then seven WORD values per button: image (I_IMAGENONE),
// command, state, style, string id, 0, and the index of the popup it opens in the menu of
// the same id (NOMENU for none). A plain button posts its command to the parent; a
// drop-down button opens its popup, whose items post theirs. Its height is the task bar's.
struct SHMENUBARINFO {
  DWORD cbSize;
  HWND hwndParent;
  DWORD dwFlags;
  UINT nToolBarId;
  HINSTANCE hInstRes;
  int nBmpId;
  int cBmpImages;
  HWND hwndMB;  // the menu bar, filled in
  COLORREF clrBk;
};
// The record's size as the device's shell knows it; the shell refuses any other.
constexpr DWORD SHMENUBARINFO_SIZE = 36;
constexpr WORD I_IMAGENONE = 0xFFFE;
constexpr WORD NOMENU = 0xFFFF;
constexpr WORD TBSTATE_ENABLED = 0x04;
constexpr WORD TBSTYLE_BUTTON = 0x00;
constexpr WORD TBSTYLE_DROPDOWN = 0x08;
constexpr WORD TBSTYLE_AUTOSIZE = 0x10;
BOOL SHCreateMenuBar(SHMENUBARINFO* info);

// The shell's help with activation and setting changes, given a record per window.
struct SHACTIVATEINFO {
  DWORD cbSize;
  HWND hwndLastFocus;
  UINT fSipUp : 1;
  UINT fSipOnDeactivation : 1;
  UINT fActive : 1;
  UINT fReserved : 29;
};
constexpr DWORD SHACTIVATEINFO_SIZE = 12;  // as the device's shell knows the record
BOOL SHHandleWMActivate(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info, DWORD flags);
// WM_SETTINGCHANGE with SETTINGCHANGE_RESET comes after the screen turned and the shell's
// bars were laid out again: the window is fitted to the screen below the task bar, less
// its menu bar, which sends it WM_SIZE.
constexpr WPARAM SETTINGCHANGE_RESET = 0x3002;
BOOL SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info);
