// The program's entry, its start-up and its main window.
#pragma once

#include "platform/aygshell.h"
#include "platform/windef.h"

extern HINSTANCE hInst;
extern HWND hMenuBar;                // null when the menu bar could not be made
extern SHACTIVATEINFO ActivateInfo;  // the shell's record for the main window
extern WCHAR szTitle[100];           // "Marlix Pentro": the title and every question's caption
extern WCHAR szWindowClass[100];

int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
// 0 when the program is to end at once: another copy runs, or the window could not be made.
BOOL InitInstance(HINSTANCE hInstance, int nCmdShow);
// The folders, the sound paths, the settings and the screen layout.
BOOL InitApp();
// Whether the pictures of a screen size are in the resource folder: the platform shows no
// size without them.
BOOL CanShowScreen(int width, int height);
LRESULT MainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The program may be stopped now without its window being destroyed (a web page hidden or
// left): the game is saved as the window's destruction would save it at this moment, even
// in the middle of a turn.
void SaveBeforeStop();
// Whether the input message being handled came from a finger on the touch screen.
bool InputFromFinger();
// A finger on the board (client coordinates in lParam, as its mouse messages give them):
// the press and each slide mark the line it means; the lift clears the mark and gives that
// line, for the window to tap (-1 for none, or for a lift without a press seen). A slide
// without a press seen is left alone.
void FingerPress(HWND hWnd, LPARAM lParam);
void FingerSlide(HWND hWnd, LPARAM lParam);
int FingerLift(HWND hWnd, LPARAM lParam);
// A key pressed on the board (WM_KEYDOWN's virtual key): the arrows and Tab move the line
// cursor (-1); Enter and Space give the line under it, for the window to tap (-1 while the
// cursor is hidden). NotBoardKey for any other key.
constexpr int NotBoardKey = -2;
int BoardKey(WPARAM key);
