// A dialog while it runs, as its controls, the input and the shell find it: its state from
// its window, the focus among its controls, the topmost dialog and those open, and the units
// of the device's font that dialogs and their controls are measured in.
#include "user/dialog_state.h"

#include "host/screen.h"
#include "user/window.h"

namespace {

// The device's 9-point font: its height, and its average character width (7.4 and 14.8
// pixels) rounded up, so that every text fits the control its template gives it.
constexpr SIZE BaseUnits96{8, 12};
constexpr SIZE BaseUnits192{15, 24};

}  // namespace

SIZE DialogBaseUnitsNow() { return ScreenDpi() >= 192 ? BaseUnits192 : BaseUnits96; }

DialogState* DialogOf(HWND window) {
  if (!IsWindow(window) || window->className != DialogClass) return nullptr;
  return static_cast<DialogState*>(window->platformData);
}

bool HasFocus(HWND control) {
  const DialogState* state = IsWindow(control) ? DialogOf(control->parent) : nullptr;
  return state != nullptr && state->focus == control;
}

HWND DialogOnTop() {
  for (size_t level = WindowCount(); level-- > 0;) {
    HWND window = WindowAtLevel(level);
    if (window->visible && DialogOf(window) != nullptr && !DialogOf(window)->ended) return window;
  }
  return nullptr;
}

std::vector<HWND> OpenDialogs() {
  std::vector<HWND> dialogs;
  for (size_t level = 0; level < WindowCount(); ++level)
    if (DialogOf(WindowAtLevel(level)) != nullptr) dialogs.push_back(WindowAtLevel(level));
  return dialogs;
}

bool DialogEnded(HWND dialog) {
  const DialogState* state = DialogOf(dialog);
  return state == nullptr || state->ended;
}
