// The sound effects, silent: these tests look at the dialogs, not at what plays.
#include "sound/sounds.h"

WCHAR ComputerSoundPath[MAX_PATH];
WCHAR PlayerSoundPath[MAX_PATH];
WCHAR BoxSoundPath[MAX_PATH];
WCHAR StartSoundPath[MAX_PATH];
WCHAR WinSoundPath[MAX_PATH];
WCHAR LoseSoundPath[MAX_PATH];

void BuildSoundPaths() {}
void PlayEffect(LPCWSTR) {}
void PlayEffectOnThread(LPCWSTR) {}
