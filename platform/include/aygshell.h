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
// With SHCMBF_EMPTYBAR the bar has no keys and no resource is read.
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
constexpr DWORD SHCMBF_EMPTYBAR = 0x0001;
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

// Makes a dialog a Pocket PC one, at its WM_INITDIALOG: SHIDIF_SIZEDLGFULLSCREEN fits it to
// the screen below the task bar (again after the screen turns), SHIDIF_DONEBUTTON puts an
// "ok" button in the task bar that sends it WM_COMMAND IDOK, SHIDIF_EMPTYMENU gives it an
// empty menu bar over its bottom. The device's input panel is absent (SHIDIF_SIPDOWN).
struct SHINITDLGINFO {
  DWORD dwMask;
  HWND hDlg;
  DWORD dwFlags;
};
constexpr DWORD SHIDIM_FLAGS = 0x0001;
constexpr DWORD SHIDIF_DONEBUTTON = 0x0001;
constexpr DWORD SHIDIF_SIZEDLG = 0x0002;
constexpr DWORD SHIDIF_SIZEDLGFULLSCREEN = 0x0004;
constexpr DWORD SHIDIF_SIPDOWN = 0x0008;
constexpr DWORD SHIDIF_EMPTYMENU = 0x0020;
BOOL SHInitDialog(SHINITDLGINFO* info);
