// The sound effects through a recording player: the six paths, a resource folder too long
// for them, and the stop before every start, played asynchronously or on a thread of its own.
// Which game event plays which sound, and the Sound gate, are the game tests' part.
#include "sound/sounds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/mmsystem.h"
#include "settings/folders.h"

namespace {

struct Play {
  std::u16string name;  // empty: a stop
  DWORD flags;
  std::thread::id thread;
  bool operator==(const Play&) const = default;
};

std::mutex recorderLock;
std::condition_variable recorded;
std::vector<Play> plays;
bool holdSynchronousPlays = false;  // a synchronous play waits until this is cleared, or 5 s

}  // namespace

BOOL PlaySoundW(LPCWSTR sound, HMODULE, DWORD flags) {
  std::unique_lock<std::mutex> lock(recorderLock);
  plays.push_back({sound == nullptr ? u"" : sound, flags, std::this_thread::get_id()});
  recorded.notify_all();
  if (sound != nullptr && (flags & SND_ASYNC) == 0)
    recorded.wait_for(lock, std::chrono::seconds(5), [] { return !holdSynchronousPlays; });
  return TRUE;
}

namespace {

void UseResFolder(const std::u16string& folder) {
  std::fill(ResFolder, ResFolder + MAX_PATH, u'\0');
  folder.copy(ResFolder, MAX_PATH);
  BuildSoundPaths();
}

// A path holds 259 characters and its end: a sound whose path would be longer is left out
// (its path stays empty) rather than cut to a name that might be another file.
TEST(Sounds, EachPathIsTheResourceFolderAndTheSoundsNameWhenItFits) {
  const struct {
    const WCHAR* path;
    std::u16string name;
  } sounds[] = {{ComputerSoundPath, u"\\computer.wav"}, {PlayerSoundPath, u"\\player.wav"},
                {BoxSoundPath, u"\\box.wav"},           {StartSoundPath, u"\\start.wav"},
                {WinSoundPath, u"\\win.wav"},           {LoseSoundPath, u"\\lose.wav"}};
  for (size_t length : {25u, 246u, 247u, 251u, 252u, 259u, 260u}) {  // 260: no end in the buffer
    SCOPED_TRACE(testing::Message() << "folder of " << length << " characters");
    // Made in place: GCC 12 at -O3 wrongly reports an overlapping copy (-Wrestrict) in
    // u"\\" + std::u16string(...).
    std::u16string folder(length, u'a');
    folder[0] = u'\\';
    UseResFolder(folder);
    for (const auto& sound : sounds)
      EXPECT_EQ(length + sound.name.size() < MAX_PATH ? folder + sound.name : u"",
                std::u16string(sound.path));
  }
}

// PlayEffect stops what plays and starts the file asynchronously, on the caller's thread;
// PlayEffectOnThread returns at once, and its own thread stops what plays and then plays
// the file to its end.
TEST(Sounds, EachPlayStopsWhatPlaysThenStartsTheFileAsynchronouslyOrOnAThreadOfItsOwn) {
  UseResFolder(u"\\res");
  plays.clear();
  PlayEffect(PlayerSoundPath);
  const std::thread::id here = std::this_thread::get_id();
  EXPECT_EQ((std::vector<Play>{{u"", 0, here}, {u"\\res\\player.wav", 0x20001, here}}), plays);
  std::unique_lock<std::mutex> lock(recorderLock);
  plays.clear();
  holdSynchronousPlays = true;
  lock.unlock();
  PlayEffectOnThread(StartSoundPath);  // returns although the play is held
  lock.lock();
  recorded.wait_for(lock, std::chrono::seconds(5), [] { return plays.size() >= 2; });
  holdSynchronousPlays = false;
  recorded.notify_all();
  ASSERT_EQ(2u, plays.size());
  const std::thread::id thread = plays[0].thread;
  EXPECT_NE(here, thread);
  EXPECT_EQ((std::vector<Play>{{u"", 0, thread}, {u"\\res\\start.wav", 0x20000, thread}}), plays);
}

}  // namespace
