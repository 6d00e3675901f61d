// The wave player on the desktop's sound output (SDL's, with its dummy driver): files that
// cannot be read play nothing, plays and stops from many threads at once neither hang nor
// crash, and the device closes once all is stopped. Also run on a machine without sound
// output. What plays when, and how the device is opened and closed, is wave_player_test's
// part over a scripted output; the Xvfb runs play through a real sound server.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/path.h"
#include "platform/emulator.h"
#include "platform/mmsystem.h"
#include "tests/support/temp_config.h"
#include "tests/support/temp_folder.h"
#include "tests/support/waiting.h"

namespace {

using namespace std::chrono_literals;

// A silent 16-bit mono wave file, as the device names it.
std::u16string Wave(const std::string& name, double seconds) {
  static const std::string folder = MakeTempFolder();
  const uint32_t rate = 22050, bytes = 2 * static_cast<uint32_t>(seconds * rate);
  // RIFF, WAVE, "fmt " of 16 bytes: PCM mono, the rate, bytes a second, 2 a frame, 16 bits.
  const uint32_t header[] = {0x46464952, 36 + bytes, 0x45564157, 0x20746d66, 16,   0x00010001,
                             rate,       rate * 2,   0x00100002, 0x61746164, bytes};
  WriteFileText(folder + "/" + name,
                std::string(reinterpret_cast<const char*>(header), sizeof header) + std::string(bytes, '\0'));
  return DevicePath(folder + "/" + name);
}

BOOL Play(const std::u16string& path, DWORD flags = SND_ASYNC) {
  return PlaySoundW(path.c_str(), nullptr, SND_FILENAME | flags);
}
void Stop() { PlaySoundW(nullptr, nullptr, 0); }

bool Quiet() { return EmulatorSoundPlaying() == FALSE; }
bool DeviceClosed() { return EmulatorSoundDeviceOpen() == FALSE; }

struct PlaySoundTest : testing::Test {
  void SetUp() override { EmulatorSetSoundTimes(20, 0); }
  void TearDown() override {
    Stop();
    EXPECT_TRUE(Eventually(DeviceClosed));
  }
};

TEST_F(PlaySoundTest, WhatCannotBeReadPlaysNothing) {
  EXPECT_TRUE(DeviceClosed()) << "nothing is opened before the first sound";
  const std::u16string junk = Wave("junk.wav", 0.1);
  WriteFileText(HostPath(junk.c_str()), "RIFF not a wave at all");
  for (const std::u16string& bad : {std::u16string(u"\\no\\such\\file.wav"), junk}) {
    EXPECT_EQ(FALSE, Play(bad, 0));
    EXPECT_TRUE(Quiet());
  }
}

// Plays and stops from several threads at once: nothing deadlocks or crashes, and when
// all is stopped the device closes.
TEST_F(PlaySoundTest, PlaysAndStopsFromManyThreadsAtOnce) {
  const std::u16string tick = Wave("tick.wav", 0.02), slow = Wave("long.wav", 30.0);
  std::vector<std::future<BOOL>> threads;
  for (int t = 0; t < 4; ++t)
    threads.push_back(OnPlatformThread([&, t] {
      for (int i = t; i < t + 40; ++i) {
        if (i % 3 == 0) Stop();
        Play(i % 2 ? tick : slow, i % 4 == 0 ? 0 : SND_ASYNC);
      }
      return TRUE;
    }));
  // A synchronous long play may still be running: stops cut it until every thread is done.
  for (std::future<BOOL>& done : threads)
    while (done.wait_for(10ms) != std::future_status::ready) Stop();
}

// Run by CTest with a sound driver that does not exist.
TEST(NoSoundOutput, NothingPlays) {
  if (std::string(std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "") != "no-such-driver")
    GTEST_SKIP() << "needs SDL_AUDIODRIVER=no-such-driver";
  const std::u16string path = Wave("tone.wav", 0.1);  // a sound SDL reads well
  for (int round = 0; round < 2; ++round) {
    Play(path);
    EXPECT_TRUE(Eventually(Quiet));
    EXPECT_EQ(FALSE, Play(path, 0));
    EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
    EXPECT_TRUE(Quiet());
    EXPECT_TRUE(DeviceClosed());
  }
}

}  // namespace
