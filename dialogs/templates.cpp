// The Options and About dialog templates, in dialog units.
#include <iterator>

#include "dialogs/dialogs.h"

namespace {

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | DS_SETFONT;
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr WORD NoId = 0xFFFF;

constexpr DLGITEMTEMPLATE OptionsItems[] = {
    {Child | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 9, 11, 61, 10, IDC_SOUND, WC_BUTTON, u"Play sounds"},
    {Child | SS_LEFT | WS_GROUP, 0, 9, 27, 44, 8, NoId, WC_STATIC, u"Backgrounds"},
    {Child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 58, 25, 59, 80, IDC_SKIN, WC_COMBOBOX, u""},
};

// The logo and the lines are placed by LayoutAboutDialog; the texts fit their widths.
constexpr DLGITEMTEMPLATE AboutItems[] = {
    {Child | SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 27, 72, 89, 8, IDC_VERSION, WC_STATIC,
     u"Version 1.0 Build 28.03.09"},
    {Child | SS_LEFT | WS_GROUP, 0, 39, 62, 60, 8, IDC_NOTICE, WC_STATIC, u"Dots and boxes"},
    {Child | SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 40, 52, 58, 8, IDC_MAKER, WC_STATIC, u"Marlix Pentro"},
    {Child | SS_BITMAP, 0, 59, 7, 11, 11, IDC_LOGO, WC_STATIC, u""},
};

}  // namespace

const DLGTEMPLATE OptionsDialog = {DialogStyle,
                                   WS_EX_CAPTIONOKBTN,
                                   static_cast<WORD>(std::size(OptionsItems)),
                                   0,
                                   0,
                                   156,
                                   153,
                                   nullptr,
                                   nullptr,
                                   u"Options Marlix Pentro",
                                   9,
                                   u"System",
                                   OptionsItems};

const DLGTEMPLATE AboutDialog = {DialogStyle,
                                 WS_EX_CAPTIONOKBTN,
                                 static_cast<WORD>(std::size(AboutItems)),
                                 0,
                                 0,
                                 140,
                                 156,
                                 nullptr,
                                 nullptr,
                                 u"About Marlix Pentro",
                                 9,
                                 u"System",
                                 AboutItems};
