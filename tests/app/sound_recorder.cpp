// The recorder of sound effects, defining the sound paths and the two ways of playing.
#include "tests/app/sound_recorder.h"

#include "app/folders.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/strsafe.h"
#include "sound/sounds.h"

std::vector<Play> Plays;
POINT WatchedPixel{0, 0};

WCHAR ComputerSoundPath[MAX_PATH];
WCHAR PlayerSoundPath[MAX_PATH];
WCHAR BoxSoundPath[MAX_PATH];
WCHAR StartSoundPath[MAX_PATH];
WCHAR WinSoundPath[MAX_PATH];
WCHAR LoseSoundPath[MAX_PATH];

namespace {

int LinesDrawn() {
  int lines = 0;
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsLine(cell) && occ[cell] != OwnerNone) ++lines;
  return lines;
}

void Record(bool onThread, LPCWSTR path) {
  Plays.push_back(Play{onThread, path, LinesDrawn(), EmulatorScreenPixel(WatchedPixel.x, WatchedPixel.y)});
}

}  // namespace

void BuildSoundPaths() {
  const struct {
    WCHAR* path;
    LPCWSTR name;
  } sounds[] = {{ComputerSoundPath, u"\\computer.wav"}, {PlayerSoundPath, u"\\player.wav"},
                {BoxSoundPath, u"\\box.wav"},           {StartSoundPath, u"\\start.wav"},
                {WinSoundPath, u"\\win.wav"},           {LoseSoundPath, u"\\lose.wav"}};
  for (const auto& sound : sounds) {
    StringCchCopyW(sound.path, MAX_PATH, ResFolder);
    StringCchCatW(sound.path, MAX_PATH, sound.name);
  }
}

void PlayEffect(LPCWSTR path) { Record(false, path); }
void PlayEffectOnThread(LPCWSTR path) { Record(true, path); }

std::vector<std::u16string> PlayedNames() {
  std::vector<std::u16string> names;
  for (const Play& play : Plays) names.push_back(play.path.substr(play.path.rfind(u'\\') + 1));
  return names;
}
