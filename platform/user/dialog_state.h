// Inside the platform only: a dialog as its controls, the input, the shell's dialog support
// and the dialog manager find it while it runs (dialog_state.cpp).
#pragma once

#include <vector>

#include "platform/winuser.h"

// The dialogs' window class.
constexpr LPCWSTR DialogClass = u"Dialog";

// A dialog's state while its loop runs; its window record points at it.
struct DialogState {
  DLGPROC proc;  // null until the controls are made, so the procedure first hears WM_INITDIALOG
  bool ended;
  int result;
  bool destroyed;   // the window went before the dialog ended (its owner was destroyed)
  bool fullScreen;  // fitted to the screen by SHInitDialog
  HWND doneButton;  // the "ok" button SHInitDialog put in the task bar, or null
  HWND focus;       // the control that takes the keys, or null
};

// The dialog's state, or null for any other window.
DialogState* DialogOf(HWND window);
// The topmost dialog on the screen, or null: the close button closes it.
HWND DialogOnTop();
// Every dialog, ended or not, bottom first: the screen turned, and they are laid out again.
std::vector<HWND> OpenDialogs();
// Whether the dialog has ended or gone, so loops running inside it (an open drop-down list)
// stop too.
bool DialogEnded(HWND dialog);
// Whether a control has its dialog's focus: it takes the keys and shows a focus mark.
bool HasFocus(HWND control);

// Base units of the device's font on this screen.
SIZE DialogBaseUnitsNow();
