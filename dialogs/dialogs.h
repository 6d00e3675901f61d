// The Options and About dialogs: the main window's two commands that show them, their
// procedures and templates, and the About box's layout for the screen.
#pragma once

#include "platform/winuser.h"

// The templates and the About box's logos, as the program's resources list them.
constexpr unsigned IDD_ABOUT = 106;
constexpr unsigned IDD_OPTIONS = 40004;
constexpr unsigned IDB_LOGO = 136;
constexpr unsigned IDB_LOGO_LARGE = 144;

// Controls of the Options dialog.
constexpr int IDC_SOUND = 1000;  // "Play sounds"
constexpr int IDC_SKIN = 1001;   // the skin list
// Controls of the About dialog.
constexpr int IDC_VERSION = 202;
constexpr int IDC_NOTICE = 203;
constexpr int IDC_MAKER = 205;
constexpr int IDC_LOGO = 1009;

// The templates, listed in the program's resources as dialogs 40004 and 106.
extern const DLGTEMPLATE OptionsDialog;
extern const DLGTEMPLATE AboutDialog;

// The About box's logo while the box is open.
extern HBITMAP LogoBitmap;

// Options: edits Sound and Skin; then, however the dialog ended, writes both, reloads the
// skin and repaints the board.
void OptionsCommand(HWND hWnd);
void AboutCommand(HWND hWnd);

BOOL OptionsDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
BOOL AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
// Centres the logo and the three text lines in the screen below the task bar, in a column
// from the top: 1 when laid out, 0 (nothing moved) when there is no task bar.
BOOL LayoutAboutDialog(HWND hDlg);
// The screen between the task bar and a menu bar as high as the task bar: 0 (the
// rectangle untouched) when there is no task bar.
BOOL GetWorkArea(RECT* rect);
