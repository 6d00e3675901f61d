// Controls of the emulated handheld that the device itself did not have: for tests,
// benchmarks and the desktop program's start.
#pragma once

#include <string>

#include "platform/windef.h"

// The program's name, said first: the platform names after it the program's settings folder
// ($XDG_CONFIG_HOME/NAME), its names in the desktop session, its environment variables
// (NAME_SCREEN, upper case with "_" for "-": MARLIX_PENTRO_SCREEN for "marlix-pentro") and
// its words on the terminal. Without this call the program file's own name stands.
void EmulatorSetProgramName(LPCWSTR name);

// Sleep pauses for real unless switched off; tests and benchmarks switch it off.
void EmulatorSetPauses(BOOL on);

// Connects the desktop program to the desktop's display. FALSE, after one line on standard
// error saying what was missing and what to set (DISPLAY unset, or no X server answering
// there), when there is none: the program then ends at once, holding nothing.
BOOL EmulatorOpenDesktop();

// The device screen: its size in pixels, and the whole factor by which the desktop window
// shows it (0: the program's SCALE variable if set, else the largest that fits the
// desktop). Without this call the size comes from the program's SCREEN variable
// ("WIDTHxHEIGHT", default 480x640).
// A change keeps the windows as they are; their owners repaint.
void EmulatorSetScreen(int width, int height, int scale);
// A pixel of the device screen as it shows now (0x00BBGGRR); CLR_INVALID outside it.
COLORREF EmulatorScreenPixel(int x, int y);
// Saves the device screen as a PNG file at a desktop path; FALSE when it cannot.
BOOL EmulatorSaveScreenshot(const char* pngPath);
// Bitmaps made and not yet deleted, for tests that a picture is freed when done with.
int EmulatorBitmapCount();

// A desktop path (UTF-8, slashes) as the device writes it, and a device path as the desktop
// names the file: for tests and benchmarks that hand the program files of their own.
std::u16string EmulatorDevicePath(const std::string& desktopPath);
std::string EmulatorDesktopPath(LPCWSTR devicePath);

// The registry file's replacement, step by step. Tests stop a replacement before one of
// these steps, leaving the folder as a crash at that moment would (0: never stop).
enum RegistryWriteStep {
  RegistryWriteFolder = 1,   // create the folder
  RegistryWriteKeepDamaged,  // keep a damaged file aside as registry.reg.damaged
  RegistryWriteOpen,         // create the temporary file
  RegistryWriteFirstHalf,    // write the first half of the text
  RegistryWriteSecondHalf,   // write the rest
  RegistryWriteSync,         // flush the temporary file to the disk
  RegistryWriteClose,
  RegistryWriteRename,  // put it in the old file's place
  RegistryWriteSyncFolder,
  RegistryWriteDone
};
void EmulatorStopRegistryWriteBefore(int step);

// The sound output: whether a sound is playing (or waits to start), and whether the output
// device is open (only while a sound plays and for a short while after, so an idle program
// uses no processor time).
BOOL EmulatorSoundPlaying();
BOOL EmulatorSoundDeviceOpen();
// How long the output device stays open after the last sound (2000 ms unless set), so the
// sounds of a move do not each open it again; and how long after the sound system failed
// plays fail at once without trying it again (10000 ms). Tests shorten them.
void EmulatorSetSoundTimes(DWORD linger, DWORD retryAfter);

// The program's module: the resources its resource script lists, found by the resource
// calls through the instance handle. The first module loaded is the program's own.
struct RESOURCE;
HINSTANCE EmulatorLoadModule(const RESOURCE* resources, size_t count);

// The Pocket PC shell: the task bar at the top of the screen (class "HHTaskBar", showing
// the active window's title) and the room for menu bars at the bottom. The device starts
// it before any program; tests start it when they need it. Called again after the screen
// changed, it lays the bars out anew.
void EmulatorStartShell();
// The bars' height in pixels for the screen's dots per inch: 26 at 96, 52 at 192.
int EmulatorBarHeight();

// Answers message boxes in place of the player: while a hook is set, MessageBoxW shows
// nothing and returns what the hook returns. Null ends it.
typedef int (*MessageBoxHook)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
void EmulatorSetMessageBoxHook(MessageBoxHook hook);

// Input as the desktop delivers it, queued behind what waits already: a tap (a click of
// the left mouse button) at a device pixel, a key press and release with or without Ctrl,
// or with the modifiers given as the accelerators' FSHIFT, FCONTROL and FALT (virtual key
// codes; VK_F1 asks for help, VK_F2 turns the screen once the shell has started, VK_F11
// switches the desktop window to fullscreen and back), and the desktop window's close
// button.
void EmulatorTap(int x, int y);
// A click at a point of the desktop window, in its own pixels.
void EmulatorClickDesktop(int x, int y);
// The desktop window resized as the player or the window manager resizes it (maximising,
// say); the screen is laid out anew when the program next reads its events or pauses.
void EmulatorResizeDesktop(int width, int height);
// A finger on the touch screen, as SDL's finger events with the copies as mouse events that
// SDL makes of them: a quick tap in place (pressed and lifted at a device pixel), or a press,
// slides and the lift one by one. A point off the device screen (negative, say) lies beyond
// it on the desktop window, or beyond the window.
void EmulatorTouch(int x, int y);
void EmulatorFingerDown(int x, int y);
void EmulatorFingerMove(int x, int y);
void EmulatorFingerUp(int x, int y);
void EmulatorKey(int virtualKey, BOOL control);
void EmulatorKeyWith(int virtualKey, BYTE modifiers);
void EmulatorCloseButton();

// How often another start of the program asked this one to come to the front.
int EmulatorRaiseRequests();
