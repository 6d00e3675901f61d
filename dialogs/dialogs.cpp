// The main window's Options and About commands: each runs its dialog from the program's
// resources, over the main window, until the dialog ends.
#include "dialogs/dialogs.h"

#include "platform/winbase.h"
#include "settings/settings.h"
#include "view/skin.h"

namespace {

// The templates are the running program's: its instance is the module its process was
// started from, which the handheld hands out to any part of the program that asks.
int RunDialog(HWND owner, unsigned id, DLGPROC proc) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCE(static_cast<WORD>(id)), RT_DIALOG);
  const auto* dialog = static_cast<LPCDLGTEMPLATE>(LockResource(LoadResource(instance, found)));
  return DialogBoxIndirectParamW(instance, dialog, owner, proc, 0);
}

}  // namespace

void OptionsCommand(HWND hWnd) {
  RunDialog(hWnd, IDD_OPTIONS, OptionsDlgProc);
  // Unless the window went meanwhile (the program was told to end): nothing is saved after
  // the window's end, and its skin is freed.
  if (!IsWindow(hWnd)) return;
  // As on the handheld: the settings are written and the skin reloaded however the dialog
  // ended, closed without Done or with nothing changed.
  SaveSettings();
  FreeSkin();
  LoadSkin();
  InvalidateRect(hWnd, nullptr, FALSE);
}

void AboutCommand(HWND hWnd) { RunDialog(hWnd, IDD_ABOUT, AboutDlgProc); }
