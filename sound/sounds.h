// The game's sound effects: six wave files in the resource folder, each played after
// stopping whatever plays. Callers check the Sound setting before every call.
#pragma once

#include "platform/windef.h"

// "<resource folder>\computer.wav" and so on; empty when the folder is so long that the
// path would not fit its buffer, and that sound is then left out.
extern WCHAR ComputerSoundPath[MAX_PATH];
extern WCHAR PlayerSoundPath[MAX_PATH];
extern WCHAR BoxSoundPath[MAX_PATH];
extern WCHAR StartSoundPath[MAX_PATH];
extern WCHAR WinSoundPath[MAX_PATH];
extern WCHAR LoseSoundPath[MAX_PATH];

// Builds the six paths from ResFolder; called once at start-up.
void BuildSoundPaths();
// Stops what plays and starts the file; returns at once.
void PlayEffect(LPCWSTR path);
// Plays the file to its end on a thread of its own; returns at once.
void PlayEffectOnThread(LPCWSTR path);
DWORD SoundThreadProc(LPVOID path);
