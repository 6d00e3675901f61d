// The wave player on SDL's dummy audio driver: asynchronous and synchronous plays, stops
// that cut them from any thread, files that cannot play, and the output device closed
// whenever nothing plays.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/emulator.h"
#include "platform/mmsystem.h"
#include "platform/winbase.h"
#include "tests/support/temp_config.h"
#include "tests/support/test_wave.h"

namespace {

using namespace std::chrono_literals;

// Liveness only: what should happen at once is given plenty of time before a test fails.
constexpr auto Patience = 5s;

std::string folder;

std::u16string MakeWave(const std::string& name, double seconds, int rate) {
  return WriteTestWave(folder, name, seconds, rate);
}

DWORD RunJob(LPVOID job) {
  (*static_cast<std::function<void()>*>(job))();
  delete static_cast<std::function<void()>*>(job);
  return 0;
}

// Runs `work` on a thread of the platform's, as the game's sound threads run.
template <typename Result>
std::future<Result> OnThread(std::function<Result()> work) {
  auto promise = std::make_shared<std::promise<Result>>();
  std::future<Result> result = promise->get_future();
  HANDLE thread = CreateThread(nullptr, 0, RunJob, new std::function<void()>([promise, work] {
                                 promise->set_value(work());
                               }),
                               0, nullptr);
  CloseHandle(thread);
  return result;
}

template <typename Condition>
bool Eventually(Condition condition) {
  const auto end = std::chrono::steady_clock::now() + Patience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

bool DeviceClosed() { return EmulatorSoundDeviceOpen() == FALSE; }

struct PlaySoundTest : testing::Test {
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/marlix-sound-XXXXXX";
    folder = mkdtemp(pattern);
  }
  static void TearDownTestSuite() { RemoveTempConfig(folder); }
  void TearDown() override {
    PlaySoundW(nullptr, nullptr, 0);
    EXPECT_TRUE(Eventually(DeviceClosed));
  }
};

TEST_F(PlaySoundTest, AnAsynchronousPlayReturnsAtOnceAndAStopEndsItAndClosesTheDevice) {
  const std::u16string path = MakeWave("long.wav", 3.0, 22050);
  EXPECT_TRUE(DeviceClosed()) << "nothing is opened before the first sound";
  EXPECT_EQ(TRUE, PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC));
  EXPECT_EQ(TRUE, EmulatorSoundPlaying());
  EXPECT_EQ(TRUE, EmulatorSoundDeviceOpen());
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  EXPECT_EQ(FALSE, EmulatorSoundPlaying());
  EXPECT_TRUE(Eventually(DeviceClosed));
}

TEST_F(PlaySoundTest, ASynchronousPlayReturnsWhenTheFileHasPlayedAndTheDeviceThenCloses) {
  const std::u16string path = MakeWave("short.wav", 0.15, 44100);
  EXPECT_EQ(TRUE, PlaySoundW(path.c_str(), nullptr, SND_FILENAME));
  EXPECT_EQ(FALSE, EmulatorSoundPlaying());
  EXPECT_TRUE(Eventually(DeviceClosed));
  // An asynchronous sound that ends by itself closes the device too.
  EXPECT_EQ(TRUE, PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC));
  EXPECT_TRUE(Eventually([] { return EmulatorSoundPlaying() == FALSE; }));
  EXPECT_TRUE(Eventually(DeviceClosed));
}

TEST_F(PlaySoundTest, ASynchronousPlayIsCutByAStopOrAnotherPlayFromAnyThread) {
  const std::u16string path = MakeWave("long.wav", 30.0, 22050);
  const std::u16string other = MakeWave("other.wav", 30.0, 11025);
  for (bool byStop : {true, false}) {
    std::future<BOOL> played =
        OnThread<BOOL>([&path] { return PlaySoundW(path.c_str(), nullptr, SND_FILENAME); });
    ASSERT_TRUE(Eventually([] { return EmulatorSoundPlaying() == TRUE; }));
    if (byStop)
      PlaySoundW(nullptr, nullptr, 0);
    else
      PlaySoundW(other.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    ASSERT_EQ(std::future_status::ready, played.wait_for(Patience)) << (byStop ? "stop" : "play");
    EXPECT_EQ(TRUE, played.get());
    EXPECT_EQ(byStop ? FALSE : TRUE, EmulatorSoundPlaying());
  }
}

TEST_F(PlaySoundTest, WhatCannotPlayPlaysNothingAndCutsWhatPlayed) {
  const std::u16string path = MakeWave("long.wav", 30.0, 22050);
  std::u16string junk = MakeWave("junk.wav", 0.1, 22050);
  WriteFileText(folder + "/junk.wav", "RIFF not a wave at all");
  for (const std::u16string& bad : {std::u16string(u"\\no\\such\\file.wav"), std::u16string(), junk}) {
    PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    EXPECT_EQ(FALSE, PlaySoundW(bad.c_str(), nullptr, SND_FILENAME));
    EXPECT_EQ(FALSE, EmulatorSoundPlaying());
  }
  EXPECT_EQ(FALSE, PlaySoundW(path.c_str(), nullptr, SND_ASYNC)) << "only files are played";
}

// Plays and stops from several threads at once: nothing deadlocks or crashes, and when
// all is stopped the device closes.
TEST_F(PlaySoundTest, PlaysAndStopsFromManyThreadsAtOnce) {
  const std::u16string shortSound = MakeWave("tick.wav", 0.02, 44100);
  const std::u16string longSound = MakeWave("long.wav", 30.0, 22050);
  std::vector<std::future<bool>> threads;
  for (int t = 0; t < 4; ++t)
    threads.push_back(OnThread<bool>([&, t] {
      for (int i = 0; i < 40; ++i) {
        if ((i + t) % 3 == 0) PlaySoundW(nullptr, nullptr, 0);
        PlaySoundW(((i + t) % 2 ? shortSound : longSound).c_str(), nullptr,
                   SND_FILENAME | ((i + t) % 4 == 0 ? 0 : SND_ASYNC));
      }
      return true;
    }));
  // A synchronous long play may still be running: stops cut it until every thread is done.
  for (std::future<bool>& done : threads)
    while (done.wait_for(10ms) != std::future_status::ready) PlaySoundW(nullptr, nullptr, 0);
  PlaySoundW(nullptr, nullptr, 0);
  EXPECT_TRUE(Eventually(DeviceClosed));
}

DWORD StoreParameter(LPVOID parameter) {
  static_cast<std::promise<int>*>(parameter)->set_value(42);
  return 1;
}

TEST(Threads, AThreadRunsAtOnceWithItsParameterAndItsHandleClosesAtOnce) {
  std::promise<int> ran;
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, StoreParameter, &ran, 0, &id);
  ASSERT_NE(nullptr, thread);
  EXPECT_NE(0u, id);
  EXPECT_EQ(TRUE, CloseHandle(thread));
  std::future<int> value = ran.get_future();
  ASSERT_EQ(std::future_status::ready, value.wait_for(Patience));
  EXPECT_EQ(42, value.get());
  EXPECT_EQ(nullptr, CreateThread(nullptr, 0, StoreParameter, &ran, 4 /* suspended */, nullptr));
}

}  // namespace
