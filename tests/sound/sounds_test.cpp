// The sound effects through a recording player: the six paths, a resource folder too long
// for them, and no sound holding up the game.
// Which game event plays which sound, and the Sound gate, are the game tests' part.
#include "sound/sounds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/mmsystem.h"
#include "settings/folders.h"

namespace {

struct Play {
  std::u16string name;  // empty: a stop
  DWORD flags;
  std::thread::id thread;
};

std::mutex recorderLock;
std::condition_variable recorded;
std::vector<Play> plays;
bool holdSynchronousPlays = false;  // a play to the file's end waits until this is cleared, or 5 s
int heldPlays = 0;                  // such plays waiting now

}  // namespace

BOOL PlaySoundW(LPCWSTR sound, HMODULE, DWORD flags) {
  std::unique_lock<std::mutex> lock(recorderLock);
  plays.push_back({sound == nullptr ? u"" : sound, flags, std::this_thread::get_id()});
  if (sound != nullptr && (flags & SND_ASYNC) == 0) {
    ++heldPlays;
    recorded.notify_all();
    recorded.wait_for(lock, std::chrono::seconds(5), [] { return !holdSynchronousPlays; });
    --heldPlays;
  }
  recorded.notify_all();
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
  // Each sound's path and its name.
  const std::pair<const WCHAR*, std::u16string> sounds[] = {
      {ComputerSoundPath, u"\\computer.wav"}, {PlayerSoundPath, u"\\player.wav"},
      {BoxSoundPath, u"\\box.wav"},           {StartSoundPath, u"\\start.wav"},
      {WinSoundPath, u"\\win.wav"},           {LoseSoundPath, u"\\lose.wav"}};
  for (size_t length : {25u, 246u, 247u, 251u, 252u, 259u, 260u}) {  // 260: no end in the buffer
    SCOPED_TRACE(testing::Message() << "folder of " << length << " characters");
    // Made in place: GCC 12 at -O3 wrongly reports an overlapping copy (-Wrestrict) in
    // u"\\" + std::u16string(...).
    std::u16string folder(length, u'a');
    folder[0] = u'\\';
    UseResFolder(folder);
    for (const auto& [path, name] : sounds)
      EXPECT_EQ(length + name.size() < MAX_PATH ? folder + name : u"", std::u16string(path));
  }
}

// No sound holds up the game: the sound of a move plays asynchronously, and one played to
// its end plays on a thread of its own while the caller goes on.
TEST(Sounds, NoSoundHoldsUpTheGame) {
  UseResFolder(u"\\res");
  std::unique_lock<std::mutex> lock(recorderLock);
  holdSynchronousPlays = true;
  lock.unlock();
  PlayEffect(PlayerSoundPath);
  PlayEffectOnThread(StartSoundPath);
  lock.lock();
  EXPECT_TRUE(recorded.wait_for(lock, std::chrono::seconds(5), [] { return heldPlays == 1; }))
      << "the caller waited for the sound to end";
  holdSynchronousPlays = false;
  recorded.notify_all();
  recorded.wait_for(lock, std::chrono::seconds(5), [] { return heldPlays == 0; });
  std::vector<std::u16string> played;
  for (const Play& play : plays) {
    if (play.name.empty()) continue;
    played.push_back(play.name);
    EXPECT_TRUE((play.flags & SND_ASYNC) != 0 || play.thread != std::this_thread::get_id())
        << "on the caller's thread";
  }
  EXPECT_EQ(played, (std::vector<std::u16string>{u"\\res\\player.wav", u"\\res\\start.wav"}));
}

}  // namespace
