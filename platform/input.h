// Inside the platform only: the desktop's events as the device's input messages.
#pragma once

#include <deque>

#include "platform/winuser.h"

union SDL_Event;

// Readies the event queue: the screen is opened, and events no window uses are not
// collected, so they never wake a waiting program. False when there is no video.
bool InputReady();
// Turns one desktop event into the messages it means (none, one or more), addressed as
// the device addresses them: taps to the window under the point, keys to the active
// window. Some events are handled here at once: exposure, the rotate key, raise requests.
void InputTranslate(const SDL_Event& event, std::deque<MSG>& messages);
// The modifier keys as of the last key event taken.
bool InputKeyDown(int virtualKey);
// The shell's own keys: the hook hears every key pressed (a virtual key) before the active
// window does, and returns true for one it took, which the window then never gets.
typedef bool (*InputKeyHook)(HWND active, int virtualKey);
void InputSetShellKeys(InputKeyHook hook);
