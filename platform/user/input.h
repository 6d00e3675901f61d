// Inside the platform only: the desktop's events as the device's input messages.
#pragma once

#include <deque>

#include "platform/winuser.h"

struct DesktopEvent;

// Readies the desktop's events. False when there is no video.
bool InputReady();
// Turns one desktop event into the messages it means (none, one or more), addressed as
// the device addresses them: taps to the window under the point, keys to the active
// window. Some events are handled here at once: the rotate key, calls handed to the
// program's thread (a raise request among them).
void InputTranslate(const DesktopEvent& event, std::deque<MSG>& messages);
// As InputTranslate, but the player's own input (taps and keys) is dropped: only what the
// desktop asks (the close button, a request to end, calls for the program's thread, the
// turn key a page presses when it changes shape) comes through. The modifier keys are still
// followed.
void InputTranslateAllButPlayer(const DesktopEvent& event, std::deque<MSG>& messages);
// Drops the player's input made so far and not yet taken: what the desktop holds for the
// program and the input messages queued from it. A question asked now is answered only by
// what the player does once it shows (defined with the queue, in messages.cpp).
void InputDiscardWaiting();
// The modifier keys as of the last key event taken.
bool InputKeyDown(int virtualKey);
// The display was lost (HostAbove.displayLost): while the program waited for a message, its
// window is closed as the close button closes it, which saves the game (messages.cpp).
void CloseOnDisplayLost();
