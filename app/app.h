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
LRESULT MainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The tap rule for the line under a tap, or under the keyboard's cursor.
void TapLine(int cell);
// Whether the input message being handled came from a finger on the touch screen.
bool InputFromFinger();
// A finger on the board (client coordinates in lParam, as its mouse messages give them):
// the press and each slide mark the line it means, the lift taps that line. A slide or
// lift without a press seen is left alone.
void FingerPress(HWND hWnd, LPARAM lParam);
void FingerSlide(HWND hWnd, LPARAM lParam);
void FingerLift(HWND hWnd, LPARAM lParam);
// A key pressed on the board (WM_KEYDOWN's virtual key): the arrows and Tab move the line
// cursor, Enter and Space tap the line under it. False for any other key.
bool BoardKey(WPARAM key);
