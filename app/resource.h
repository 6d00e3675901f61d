// The program's resource ids and command ids, and its resource table, which the platform
// reads through the instance handle.
#pragma once

#include <cstddef>

#include "platform/winbase.h"

// Strings.
constexpr unsigned IDS_TITLE = 1;  // the window title, also every message box's caption
constexpr unsigned IDS_CLASS = 2;  // the window class name
constexpr unsigned IDS_NEWGAME = 103;
constexpr unsigned IDS_MENU = 105;

// The menu bar's data and its menu share an id.
constexpr unsigned IDR_MENUBAR = 102;
constexpr unsigned IDR_ACCELERATORS = 2;
constexpr unsigned IDI_PROGRAM = 143;
// The dialog templates and the About box's logos take their ids from the dialogs
// (dialogs/dialogs.h).

// Commands.
constexpr unsigned IDM_OPTIONS = 32774;
constexpr unsigned IDM_EXIT = 40000;
constexpr unsigned IDM_MENU = 40001;  // the Menu key itself: it opens its popup
constexpr unsigned IDM_ABOUT = 40002;
constexpr unsigned IDM_NEWGAME = 40003;

extern const RESOURCE ProgramResources[];
extern const size_t ProgramResourceCount;
