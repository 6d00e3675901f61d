// The handheld's windowing calls: system metrics, windows and messages, message boxes,
// strings and accelerators, dialogs and their controls.
#pragma once

#include "platform/windef.h"

// System metrics: the device screen's size in physical pixels, never the desktop window's.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
int GetSystemMetrics(int index);

// Windows: classes, creation and destruction, messages.
typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef WORD ATOM;

struct WNDCLASSW {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCWSTR lpszMenuName;
  LPCWSTR lpszClassName;
};

struct CREATESTRUCTW {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCWSTR lpszName;
  LPCWSTR lpszClass;
  DWORD dwExStyle;
};

constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;

constexpr DWORD WS_VISIBLE = 0x10000000;
// A child lies on its parent: its position is in the parent's client coordinates, it moves
// with the parent, goes with it, and is never the active window nor found by FindWindowW.
constexpr DWORD WS_CHILD = 0x40000000;
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_SETTINGCHANGE = 0x001A;
constexpr UINT WM_HELP = 0x0053;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_USER = 0x0400;

// WM_ACTIVATE's low word.
constexpr WORD WA_INACTIVE = 0;
constexpr WORD WA_ACTIVE = 1;
// WM_LBUTTONDOWN's wParam, and WM_MOUSEMOVE's while the button or a finger is down.
constexpr WPARAM MK_LBUTTON = 0x0001;

constexpr WPARAM SIZE_RESTORED = 0;

ATOM RegisterClassW(const WNDCLASSW* wndClass);
// Windows are top-level unless WS_CHILD; CW_USEDEFAULT for position or size gives the
// screen below the task bar. A child's `menu` is its id.
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL GetClientRect(HWND window, LPRECT rect);
// Removes a class no live window uses, so a program can register it again.
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance);

// Showing, moving and finding windows.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;
// Returns whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
// Moves and sizes a window (screen coordinates for top-level windows). A new size sends
// WM_SIZE; with `repaint` the window is invalidated whole. What it uncovers is repainted.
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL GetWindowRect(HWND window, LPRECT rect);
// A window of a class and title; a null title matches any. A window of another process
// of this user's session is found too when both are given: the handle returned then
// stands for it and serves only SetForegroundWindow.
HWND FindWindowW(LPCWSTR className, LPCWSTR windowName);
// Brings a window to the front, with the desktop window showing it. A handle with its
// lowest bit set brings the windows it owns along, as they always come here.
BOOL SetForegroundWindow(HWND window);

// Messages in the queue: posted messages first, then input, then paints of windows whose
// invalid area waits. GetMessageW waits for the next one without using the processor, and
// returns 0 for WM_QUIT. The window and range filters are not offered: pass null and 0.
struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
  // The platform's own: what GetMessageExtraInfo tells once this message is taken.
  LPARAM extraInfo;
};
typedef MSG* LPMSG;
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

BOOL GetMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax);
// Where the input message taken last came from. A finger on the touch screen or a pen marks
// its mouse messages with a signature in the top 24 bits (0xFF515700), a finger also with
// bit 0x80; the mouse leaves 0. A finger's press comes as WM_LBUTTONDOWN, its sliding as
// WM_MOUSEMOVE and its lift as WM_LBUTTONUP, all to the window it was pressed on, with
// client coordinates beyond the window where the finger went off it (16-bit signed values).
// A finger pressed on the desktop just beside the screen presses the window at its edge.
LPARAM GetMessageExtraInfo();
// As GetMessageW without waiting; FALSE when nothing is there.
BOOL PeekMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT remove);
// Posting is for the program's own thread, the only one with windows.
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Posts WM_CHAR for a WM_KEYDOWN of a key that types a character.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageW(const MSG* msg);

// Keys: virtual key codes; letters and digits are their upper-case characters.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_APPS = 0x5D;  // the keyboard's Menu key
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
constexpr int VK_F11 = 0x7A;
// The high bit is set while the key is down, as of the message last taken from the queue.
short GetKeyState(int virtualKey);

// Resources of a module by number: MAKEINTRESOURCE(id) stands for the name.
inline LPCWSTR MAKEINTRESOURCE(WORD id) { return reinterpret_cast<LPCWSTR>(static_cast<uintptr_t>(id)); }
inline bool IS_INTRESOURCE(LPCWSTR name) { return reinterpret_cast<uintptr_t>(name) <= 0xFFFF; }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}

// Resource types.
inline const LPCWSTR RT_BITMAP = MAKEINTRESOURCE(2);
inline const LPCWSTR RT_MENU = MAKEINTRESOURCE(4);
inline const LPCWSTR RT_DIALOG = MAKEINTRESOURCE(5);
inline const LPCWSTR RT_STRING = MAKEINTRESOURCE(6);
inline const LPCWSTR RT_ACCELERATOR = MAKEINTRESOURCE(9);
inline const LPCWSTR RT_RCDATA = MAKEINTRESOURCE(10);
inline const LPCWSTR RT_GROUP_ICON = MAKEINTRESOURCE(14);

// Menu templates, as a resource script writes them: items in order, MF_POPUP opening a
// level that ends after the item marked MF_END.
constexpr WORD MF_STRING = 0x0000;
constexpr WORD MF_GRAYED = 0x0001;
constexpr WORD MF_POPUP = 0x0010;
constexpr WORD MF_END = 0x0080;
constexpr WORD MF_SEPARATOR = 0x0800;
struct MENUTEMPLATEITEM {
  WORD flags;
  WORD id;  // the command; 0 for popups and separators
  LPCWSTR text;
};

// String table entries; returns the characters copied, cut to size - 1.
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int size);
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);

// Accelerator tables: a key with its modifiers becomes a command.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FNOINVERT = 0x02;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;
struct ACCEL {
  BYTE fVirt;
  WORD key;
  WORD cmd;
};
HACCEL LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name);
// A WM_KEYDOWN that matches an entry sends WM_COMMAND (the command, 1 in the high word) to
// the window and returns 1; anything else returns 0.
int TranslateAcceleratorW(HWND window, HACCEL table, LPMSG msg);

// Cursors: the device shows a cursor only while it waits; the desktop shows its arrow
// otherwise, also after SetCursor(null).
inline const LPCWSTR IDC_ARROW = MAKEINTRESOURCE(32512);
inline const LPCWSTR IDC_WAIT = MAKEINTRESOURCE(32514);
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HCURSOR SetCursor(HCURSOR cursor);

// Message boxes, drawn over the owner on the device screen; each runs its own loop until
// answered by a tap, a click or a key (Y or Enter for Yes, N or Escape for No). Meanwhile
// the owner gets its paint, size and other messages, and input meant for it is dropped.
// Yes and No (MB_YESNO) or OK are offered, with or without the question icon.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
// The answer, or 0 when the box could not be shown or its owner went away.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// Painting: the invalid area of a window collects until the next paint message.
struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
};

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
// A device context for drawing on a window's client area at once, outside a paint.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// Text in the device context's font and colours. Only the top-left layout (format 0) is
// offered; the text is cut at the rectangle.
int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format);

// Dialogs: modal windows made from a template, and the controls on them. Sizes in a
// template are dialog units: a quarter of the dialog font's average character width
// across, an eighth of its height down (GetDialogBaseUnits), whatever font it names.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD DS_SETFONT = 0x00000040;
// The shell shows an "ok" button for the window in the task bar (see SHInitDialog).
constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;
constexpr UINT WM_INITDIALOG = 0x0110;

inline constexpr LPCWSTR WC_BUTTON = u"Button";
inline constexpr LPCWSTR WC_STATIC = u"Static";
inline constexpr LPCWSTR WC_COMBOBOX = u"ComboBox";

// A template as a resource script writes it (RT_DIALOG): the dialog, then its controls in
// order. The default dialog class and no menu are the only ones offered (null).
struct DLGITEMTEMPLATE {
  DWORD style;
  DWORD dwExtendedStyle;
  short x, y, cx, cy;
  WORD id;  // 0xFFFF for a control no one asks for
  LPCWSTR windowClass;
  LPCWSTR title;
};
struct DLGTEMPLATE {
  DWORD style;
  DWORD dwExtendedStyle;
  WORD cdit;  // how many controls
  short x, y, cx, cy;
  LPCWSTR menu;
  LPCWSTR windowClass;
  LPCWSTR title;
  WORD pointSize;  // DS_SETFONT: the font; the device's one font is used at any name
  LPCWSTR typeface;
  const DLGITEMTEMPLATE* items;
};
typedef const DLGTEMPLATE* LPCDLGTEMPLATE;

// A dialog procedure returns TRUE for a message it handled.
typedef BOOL (*DLGPROC)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Makes the dialog at its template's place in the owner's client area with its controls,
// sends WM_INITDIALOG (lParam: `param`), shows it and runs its own loop until EndDialog;
// returns EndDialog's result, or -1 when the dialog could not be made. Meanwhile the
// owner gets its paints and other messages but no input. Enter sends the dialog
// WM_COMMAND IDOK, Escape and the desktop window's close button send it WM_CLOSE; a
// dialog is never closed but by EndDialog.
int DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATE dialogTemplate, HWND owner, DLGPROC proc,
                            LPARAM param);
BOOL EndDialog(HWND dialog, int result);
HWND GetDlgItem(HWND dialog, int id);
// Dialog units to pixels, rounded to the nearest.
BOOL MapDialogRect(HWND dialog, LPRECT rect);
// The base units in pixels: the average character width in the low word and the
// character height in the high word of the device's 9-point font.
LONG GetDialogBaseUnits();

// Controls tell their dialog what the user did by WM_COMMAND: the id in the low word, the
// notification in the high word, the control as lParam.
// Buttons: an automatic check box, which a tap on its box or its text ticks or clears.
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr WORD BN_CLICKED = 0;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;
// Statics: a line of text, or a picture whose size the control takes when it is set. The
// picture is copied, so its bitmap may be deleted while the control lives. Without
// SS_NOPREFIX an "&" in the text is left out ("&&" shows one).
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_NOPREFIX = 0x0080;
constexpr UINT STM_SETIMAGE = 0x0172;  // returns the bitmap it replaced
constexpr UINT STM_GETIMAGE = 0x0173;
constexpr WPARAM IMAGE_BITMAP = 0;
// Combo boxes: a drop-down list. A tap opens the list below the box (above it when the
// screen has no room below); a tap on an item chooses it, a tap elsewhere closes it.
// Items stay in the order added.
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr WORD CBN_SELCHANGE = 1;
constexpr UINT CB_ADDSTRING = 0x0143;  // returns the item's index
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;  // CB_ERR while none is chosen
constexpr UINT CB_GETLBTEXT = 0x0148;  // copies item wParam into the buffer at lParam
constexpr UINT CB_SETCURSEL = 0x014E;  // CB_ERR for an index out of range, which chooses none
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
constexpr LRESULT CB_ERR = -1;

// A bitmap of the module's resources (RT_BITMAP), for DeleteObject to free.
HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name);
