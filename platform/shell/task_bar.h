// Inside the platform only: the task bar's window class, by which the dialogs' "ok" button,
// which sits on the bar, finds it.
#pragma once

#include "platform/windef.h"

constexpr LPCWSTR TaskBarClass = u"HHTaskBar";
