// The sound effects through a recording player: the six paths, a resource folder too long
// for them, the stop before every start, asynchronous and threaded plays, and which game
// events play which sound, gated on the Sound setting.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/folders.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/mmsystem.h"
#include "sound/sounds.h"

int32_t Sound = 1;
void DrawCell(int) {}
void InvalidateUserScore() {}
void InvalidateComputerScore() {}
int AskYesNo(const char16_t*) { return 0; }
void InvalidateMainWindow() {}

namespace {

struct Play {
  bool stop;  // a null name
  std::u16string name;
  DWORD flags;
  std::thread::id thread;
  bool operator==(const Play&) const = default;
};

std::mutex recorderLock;
std::condition_variable recorded;
std::vector<Play> plays;
bool holdSynchronousPlays = false;  // a synchronous play waits until this is cleared

std::vector<Play> WaitForPlays(size_t count) {
  std::unique_lock<std::mutex> lock(recorderLock);
  recorded.wait_for(lock, std::chrono::seconds(5), [count] { return plays.size() >= count; });
  return plays;
}

void ReleaseSynchronousPlays() {
  std::lock_guard<std::mutex> lock(recorderLock);
  holdSynchronousPlays = false;
  recorded.notify_all();
}

Play Stop(std::thread::id thread = std::this_thread::get_id()) { return {true, u"", 0, thread}; }
Play Start(LPCWSTR path, DWORD flags, std::thread::id thread = std::this_thread::get_id()) {
  return {false, path, flags, thread};
}

}  // namespace

BOOL PlaySoundW(LPCWSTR sound, HMODULE, DWORD flags) {
  std::unique_lock<std::mutex> lock(recorderLock);
  plays.push_back({sound == nullptr, sound == nullptr ? u"" : sound, flags, std::this_thread::get_id()});
  recorded.notify_all();
  if (sound != nullptr && (flags & SND_ASYNC) == 0) recorded.wait(lock, [] { return !holdSynchronousPlays; });
  return TRUE;
}

namespace {

struct SoundsTest : testing::Test {
  void SetUp() override {
    EmulatorSetPauses(FALSE);
    std::u16string folder = u"\\home\\ann\\marlix-pentro\\res";
    folder.copy(ResFolder, folder.size());
    ResFolder[folder.size()] = 0;
    BuildSoundPaths();
    Sound = 1;
    std::lock_guard<std::mutex> lock(recorderLock);
    plays.clear();
  }
};

TEST_F(SoundsTest, EachPathIsTheResourceFolderAndTheSoundsName) {
  EXPECT_EQ(std::u16string(u"\\home\\ann\\marlix-pentro\\res\\computer.wav"), ComputerSoundPath);
  EXPECT_EQ(std::u16string(u"\\home\\ann\\marlix-pentro\\res\\player.wav"), PlayerSoundPath);
  EXPECT_EQ(std::u16string(u"\\home\\ann\\marlix-pentro\\res\\box.wav"), BoxSoundPath);
  EXPECT_EQ(std::u16string(u"\\home\\ann\\marlix-pentro\\res\\start.wav"), StartSoundPath);
  EXPECT_EQ(std::u16string(u"\\home\\ann\\marlix-pentro\\res\\win.wav"), WinSoundPath);
  EXPECT_EQ(std::u16string(u"\\home\\ann\\marlix-pentro\\res\\lose.wav"), LoseSoundPath);
}

// A path holds 259 characters and its end: a sound whose path would be longer is left out
// (its path stays empty) rather than cut to a name that might be another file.
TEST_F(SoundsTest, ASoundWhosePathWouldNotFitIsLeftOut) {
  struct Sized {
    const WCHAR* path;
    size_t nameLength;
  };
  const Sized sounds[] = {{ComputerSoundPath, 13}, {PlayerSoundPath, 11}, {BoxSoundPath, 8},
                          {StartSoundPath, 10},    {WinSoundPath, 8},     {LoseSoundPath, 9}};
  for (size_t folderLength : {200u, 246u, 247u, 248u, 249u, 250u, 251u, 252u, 258u, 259u}) {
    SCOPED_TRACE(testing::Message() << "folder of " << folderLength << " characters");
    const std::u16string folder = u"\\" + std::u16string(folderLength - 1, u'a');
    folder.copy(ResFolder, folder.size());
    ResFolder[folder.size()] = 0;
    BuildSoundPaths();
    for (const Sized& sound : sounds) {
      const std::u16string path(sound.path);
      if (folderLength + sound.nameLength <= MAX_PATH - 1) {
        EXPECT_EQ(folderLength + sound.nameLength, path.size());
        EXPECT_EQ(folder, path.substr(0, folderLength));
      } else {
        EXPECT_TRUE(path.empty()) << std::string(path.begin(), path.end());
      }
    }
  }
  // A folder that fills its whole buffer without an end leaves every sound out.
  std::fill(ResFolder, ResFolder + MAX_PATH, u'a');
  BuildSoundPaths();
  for (const Sized& sound : sounds) EXPECT_EQ(0, sound.path[0]);
}

TEST_F(SoundsTest, PlayEffectStopsWhatPlaysThenStartsTheFileAsynchronously) {
  PlayEffect(PlayerSoundPath);
  EXPECT_EQ((std::vector<Play>{Stop(), Start(PlayerSoundPath, 0x20001)}), WaitForPlays(2));
}

TEST_F(SoundsTest, PlayEffectOnThreadReturnsAtOnceAndItsThreadStopsThenPlaysToTheEnd) {
  {
    std::lock_guard<std::mutex> lock(recorderLock);
    holdSynchronousPlays = true;
  }
  PlayEffectOnThread(StartSoundPath);  // returns although the play is held
  const std::vector<Play> seen = WaitForPlays(2);
  ReleaseSynchronousPlays();
  ASSERT_EQ(2u, seen.size());
  const std::thread::id thread = seen[0].thread;
  EXPECT_NE(std::this_thread::get_id(), thread);
  EXPECT_EQ((std::vector<Play>{Stop(thread), Start(StartSoundPath, 0x20000, thread)}), seen);
  EXPECT_EQ(1u, SoundThreadProc(const_cast<WCHAR*>(WinSoundPath)));
}

// A board on which every box is taken but box 8, which lacks only its top (line 0), with
// the user to move: the user's line 0 takes the 49th box.
void LastBoxForTheUser(int32_t userScore, int32_t computerScore) {
  NewGame();
  for (int cell = 0; cell < CellCount; ++cell) {
    if (IsLine(cell) && cell != 0) occ[cell] = OwnerComputer;
    if (IsBox(cell) && cell != 8) {
      box[cell] = BoxClosed;
      occ[cell] = OwnerComputer;
    }
  }
  box[8] = BoxClosed - SideTop;
  UserScore = userScore;
  ComputerScore = computerScore;
  first = 0;
  f = 0;
}

TEST_F(SoundsTest, ATakenBoxPlaysTheBoxSoundAndTheGamesEndTheWinOrLoseSoundOnItsThread) {
  struct Ending {
    int32_t user, computer;
    const WCHAR* sound;
  };
  for (const Ending& ending : {Ending{25, 23, WinSoundPath}, Ending{23, 25, LoseSoundPath}}) {
    SCOPED_TRACE(ending.sound == WinSoundPath ? "won" : "lost");
    {
      std::lock_guard<std::mutex> lock(recorderLock);
      plays.clear();
    }
    LastBoxForTheUser(ending.user, ending.computer);
    PlaceLine(0);
    const std::vector<Play> seen = WaitForPlays(4);
    ASSERT_EQ(4u, seen.size());
    const std::thread::id thread = seen[2].thread;
    EXPECT_NE(std::this_thread::get_id(), thread);
    EXPECT_EQ((std::vector<Play>{Stop(), Start(BoxSoundPath, 0x20001), Stop(thread),
                                 Start(ending.sound, 0x20000, thread)}),
              seen);
  }
}

TEST_F(SoundsTest, ALineThatClosesTwoBoxesPlaysTheBoxSoundTwice) {
  NewGame();
  box[8] = BoxClosed - SideRight;
  box[10] = BoxClosed - SideLeft;
  f = 0;
  PlaceLine(9);
  EXPECT_EQ(2, UserScore);
  EXPECT_EQ((std::vector<Play>{Stop(), Start(BoxSoundPath, 0x20001), Stop(), Start(BoxSoundPath, 0x20001)}),
            WaitForPlays(4));
}

TEST_F(SoundsTest, WithSoundOffNothingIsPlayedNorStopped) {
  Sound = 0;
  LastBoxForTheUser(25, 23);
  PlaceLine(0);
  EXPECT_EQ(26, UserScore);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // a thread would have played by now
  std::lock_guard<std::mutex> lock(recorderLock);
  EXPECT_TRUE(plays.empty());
}

}  // namespace
