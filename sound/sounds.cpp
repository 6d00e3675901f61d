// The sound paths, and the two ways a sound is played: asynchronously from the game's
// thread for the sounds of a move, and to its end on a short-lived thread for the sounds
// that open and end a game.
#include "sound/sounds.h"

#include "game/effects.h"
#include "platform/mmsystem.h"
#include "platform/strsafe.h"
#include "platform/winbase.h"
#include "settings/folders.h"

WCHAR ComputerSoundPath[MAX_PATH];
WCHAR PlayerSoundPath[MAX_PATH];
WCHAR BoxSoundPath[MAX_PATH];
WCHAR StartSoundPath[MAX_PATH];
WCHAR WinSoundPath[MAX_PATH];
WCHAR LoseSoundPath[MAX_PATH];

namespace {

struct SoundFile {
  WCHAR* path;
  LPCWSTR name;
};

constexpr SoundFile SoundFiles[] = {
    {ComputerSoundPath, TEXT("\\computer.wav")}, {PlayerSoundPath, TEXT("\\player.wav")},
    {BoxSoundPath, TEXT("\\box.wav")},           {StartSoundPath, TEXT("\\start.wav")},
    {WinSoundPath, TEXT("\\win.wav")},           {LoseSoundPath, TEXT("\\lose.wav")},
};

void StopSound() { PlaySoundW(nullptr, nullptr, 0); }

}  // namespace

void BuildSoundPaths() {
  for (const SoundFile& sound : SoundFiles) {
    sound.path[0] = 0;
    // A path cut to fit could name another file; such a sound is left out instead.
    if (StringCchCatW(sound.path, MAX_PATH, ResFolder) != S_OK ||
        StringCchCatW(sound.path, MAX_PATH, sound.name) != S_OK)
      sound.path[0] = 0;
  }
}

void PlayEffect(LPCWSTR path) {
  StopSound();
  PlaySoundW(path, nullptr, SND_FILENAME | SND_ASYNC);
}

void PlayEffectOnThread(LPCWSTR path) {
  HANDLE thread = CreateThread(nullptr, 0, SoundThreadProc, const_cast<WCHAR*>(path), 0, nullptr);
  if (thread != nullptr) CloseHandle(thread);
}

DWORD SoundThreadProc(LPVOID path) {
  StopSound();
  PlaySoundW(static_cast<LPCWSTR>(path), nullptr, SND_FILENAME);
  return 1;
}
