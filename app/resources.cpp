// The program's resources: strings, the menu bar and its menu, the accelerator keys, the
// icon, the dialogs and the About box's logos, and the marker that the program draws for
// high-resolution screens itself.
#include "app/resource.h"
#include "dialogs/dialogs.h"
#include "icon_bitmap.h"
#include "logo_bitmaps.h"
#include "platform/aygshell.h"
#include "platform/winuser.h"

namespace {

constexpr ACCEL Accelerators[] = {
    {FVIRTKEY | FCONTROL | FNOINVERT, 'A', IDM_ABOUT},
    {FVIRTKEY | FCONTROL | FNOINVERT, 'Q', IDM_EXIT},
    {FVIRTKEY | FCONTROL | FNOINVERT, 'N', IDM_NEWGAME},
    {FVIRTKEY | FCONTROL | FNOINVERT, 'O', IDM_OPTIONS},
};

// Two keys without images: New Game sends its command; Menu opens popup 0 of menu 102.
// clang-format off
constexpr WORD MenuBar[] = {
    IDR_MENUBAR, 2,
    I_IMAGENONE, IDM_NEWGAME, TBSTATE_ENABLED, TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE,   IDS_NEWGAME, 0, NOMENU,
    I_IMAGENONE, IDM_MENU,    TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, IDS_MENU,    0, 0,
};
// clang-format on

constexpr MENUTEMPLATEITEM Menu[] = {
    {MF_POPUP | MF_END, 0, u"MENU"},
    {MF_STRING, IDM_OPTIONS, u"Options"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING | MF_END, IDM_ABOUT, u"About"},
};

constexpr WORD HighResolutionAware = 1;

constexpr DWORD Chars(const char16_t* text) {
  DWORD length = 0;
  while (text[length] != 0) ++length;
  return length;
}

#define STRING_RESOURCE(id, text) \
  { RT_STRING, MAKEINTRESOURCE(id), text, Chars(text) }

}  // namespace

const RESOURCE ProgramResources[] = {
    STRING_RESOURCE(IDS_TITLE, u"Marlix Pentro"),
    STRING_RESOURCE(IDS_CLASS, u"PENTRO"),
    STRING_RESOURCE(IDS_NEWGAME, u"New Game"),
    STRING_RESOURCE(IDS_MENU, u"Menu"),
    {RT_RCDATA, MAKEINTRESOURCE(IDR_MENUBAR), MenuBar, sizeof MenuBar},
    {RT_MENU, MAKEINTRESOURCE(IDR_MENUBAR), Menu, sizeof Menu},
    {RT_ACCELERATOR, MAKEINTRESOURCE(IDR_ACCELERATORS), Accelerators, sizeof Accelerators},
    {RT_GROUP_ICON, MAKEINTRESOURCE(IDI_PROGRAM), Icon143Bitmap, static_cast<DWORD>(Icon143Bitmap_size)},
    {u"CEUX", u"HI_RES_AWARE", &HighResolutionAware, sizeof HighResolutionAware},
    {RT_DIALOG, MAKEINTRESOURCE(IDD_ABOUT), &AboutDialog, sizeof AboutDialog},
    {RT_DIALOG, MAKEINTRESOURCE(IDD_OPTIONS), &OptionsDialog, sizeof OptionsDialog},
    {RT_BITMAP, MAKEINTRESOURCE(IDB_LOGO), Logo136Bitmap, static_cast<DWORD>(Logo136Bitmap_size)},
    {RT_BITMAP, MAKEINTRESOURCE(IDB_LOGO_LARGE), Logo144Bitmap, static_cast<DWORD>(Logo144Bitmap_size)},
};

const size_t ProgramResourceCount = sizeof ProgramResources / sizeof ProgramResources[0];
