// The handheld's look, shared by every window the platform draws itself: the shell's task
// bar, menu bars and menus, message boxes, dialogs and their controls. Its colours live
// here, and the sizes of its drawing, which double on screens of 192 dots per inch.
#pragma once

#include "host/screen.h"
#include "platform/windef.h"

// 1, or 2 where the screen has 192 dots per inch.
inline int LookScale() { return ScreenDpi() >= 192 ? 2 : 1; }
// The height of the task bar and of menu bars.
inline int BarHeight() { return 26 * LookScale(); }

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

// The task bar, and a message box's caption, which looks like it: a blue running down to a
// deeper one, with white text.
constexpr COLORREF TitleBarTop = RGB(30, 70, 156);
constexpr COLORREF TitleBarBottom = RGB(8, 30, 90);
constexpr COLORREF TitleText = White;
constexpr COLORREF TaskBarEdge = RGB(4, 16, 52);
// What is chosen, in the task bar's blue: a pressed soft key, a lit menu item, a combo
// box's item, the focus mark of a check box.
constexpr COLORREF ChosenFace = TitleBarTop;
constexpr COLORREF ChosenText = White;
// The round "ok" button on the task bar.
constexpr COLORREF DoneRing = White;
constexpr COLORREF DoneFace = RGB(40, 92, 188);
constexpr COLORREF DoneLabel = White;

// The menu bar, and a combo box's drop button, which looks like it: a pale blue running
// down to a greyer one.
constexpr COLORREF BarTop = RGB(236, 241, 249);
constexpr COLORREF BarBottom = RGB(194, 208, 232);
constexpr COLORREF BarEdge = RGB(112, 132, 172);
constexpr COLORREF KeyText = RGB(12, 32, 84);
// Popup menus.
constexpr COLORREF MenuFace = White;
constexpr COLORREF MenuFrame = RGB(60, 80, 124);
constexpr COLORREF MenuText = RGB(16, 20, 32);
constexpr COLORREF MenuSeparator = RGB(188, 198, 214);

// Message boxes, their question mark and their buttons.
constexpr COLORREF BoxFace = White;
constexpr COLORREF BoxFrame = RGB(20, 44, 100);
constexpr COLORREF BoxText = RGB(20, 22, 28);
constexpr COLORREF QuestionDisc = RGB(36, 96, 200);
constexpr COLORREF ButtonTop = RGB(250, 251, 254);
constexpr COLORREF ButtonBottom = RGB(210, 220, 238);
constexpr COLORREF ButtonFrame = RGB(76, 100, 148);
constexpr COLORREF ButtonText = KeyText;

// Dialogs and their controls: plain white, as on the handheld.
constexpr COLORREF DialogFace = White;
constexpr COLORREF ControlFace = White;
constexpr COLORREF ControlText = Black;
constexpr COLORREF ControlFrame = RGB(92, 100, 116);
