// The recording stand-in for the game core's outward calls.
#include "game/stand_ins/recorder.h"

#include <cstdint>
#include <string>

#include "game/effects.h"

std::vector<std::string> Effects;
int AnswerYes;
std::function<void(int cell)> OnDraw;

int32_t Sound = 1;
char16_t BoxSoundPath[260] = u"box";
char16_t WinSoundPath[260] = u"win";
char16_t LoseSoundPath[260] = u"lose";

namespace {
std::string Narrow(const char16_t* text) {
  std::string result;
  for (; *text != 0; ++text) result += static_cast<char>(*text);
  return result;
}
}  // namespace

void ResetEffects() {
  Effects.clear();
  AnswerYes = 0;
  OnDraw = nullptr;
  Sound = 1;
}

void DrawCell(int cell) {
  Effects.push_back("draw " + std::to_string(cell));
  if (OnDraw) OnDraw(cell);
}
void InvalidateUserScore() { Effects.push_back("score user"); }
void InvalidateComputerScore() { Effects.push_back("score computer"); }
void PlayEffect(const char16_t* path) { Effects.push_back("sound " + Narrow(path)); }
void PlayEffectOnThread(const char16_t* path) { Effects.push_back("thread " + Narrow(path)); }
int AskYesNo(const char16_t* question) {
  Effects.push_back("ask " + Narrow(question));
  return AnswerYes;
}
void InvalidateMainWindow() { Effects.push_back("invalidate"); }
void Sleep(uint32_t milliseconds) { Effects.push_back("sleep " + std::to_string(milliseconds)); }

unsigned SeedForNextRand(int r) {
  // The generator steps state = state * 214013 + 2531011 and returns bits 16-30; invert
  // one step for a state whose bits 16-30 are r.
  const uint32_t next = static_cast<uint32_t>(r) << 16;
  uint32_t inverse = 214013u;  // Newton's iteration for the inverse modulo 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
  return (next - 2531011u) * inverse;
}
