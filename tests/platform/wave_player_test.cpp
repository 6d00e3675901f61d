// The wave player over a scripted sound output that stands in for the desktop's: the test
// asks for the samples as the device would, and holds the device's opening and closing as a
// sound server can. A play returns while the output is held, a later play or a stop cuts what
// plays, each file is decoded once, the device closes on its own once nothing has played for
// a while, and an output that cannot open or stops asking leaves the game silent.
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "host/audio.h"
#include "platform/emulator.h"
#include "platform/mmsystem.h"
#include "tests/support/waiting.h"

namespace {

using namespace std::chrono_literals;

// The scripted output. Its "files" are named by what they hold: "\tone\VALUE\COUNT" is COUNT
// samples of VALUE; any other name cannot be read.
struct Output {
  std::mutex lock;
  std::condition_variable changed;
  bool holdOpen = false, holdClose = false;  // opening or closing waits while set
  bool opens = true;
  HostAudioFeed feed = nullptr;  // while the device is open
  int opened = 0, closing = 0;
  std::map<std::string, int> decodes;
} output;

void WaitWhile(bool& held) {
  std::unique_lock<std::mutex> lock(output.lock);
  output.changed.wait(lock, [&held] { return !held; });
}

void Set(bool& flag, bool value) {
  std::lock_guard<std::mutex> guard(output.lock);
  flag = value;
  output.changed.notify_all();
}

}  // namespace

bool HostAudioStart() { return true; }

bool HostAudioOpen(HostAudioFeed feed) {
  WaitWhile(output.holdOpen);
  std::lock_guard<std::mutex> guard(output.lock);
  if (!output.opens) return false;
  ++output.opened;
  output.feed = feed;
  return true;
}

void HostAudioClose() {
  {
    std::lock_guard<std::mutex> guard(output.lock);
    ++output.closing;
    output.changed.notify_all();
  }
  WaitWhile(output.holdClose);
  std::lock_guard<std::mutex> guard(output.lock);
  output.feed = nullptr;
}

bool HostAudioDecodeWave(const std::string& path, std::vector<int16_t>& samples) {
  int value = 0, count = 0;
  if (std::sscanf(path.c_str(), "/tone/%d/%d", &value, &count) != 2) return false;
  std::lock_guard<std::mutex> guard(output.lock);
  ++output.decodes[path];
  samples.assign(static_cast<size_t>(count), static_cast<int16_t>(value));
  return true;
}

namespace {

std::u16string Tone(int value, int count) {
  const std::string name = "\\tone\\" + std::to_string(value) + "\\" + std::to_string(count);
  return std::u16string(name.begin(), name.end());
}

BOOL Play(const std::u16string& path, DWORD flags = SND_ASYNC) {
  return PlaySoundW(path.c_str(), nullptr, SND_FILENAME | flags);
}
void Stop() { PlaySoundW(nullptr, nullptr, 0); }

// What the device asks for next: `count` samples, or nothing while it is closed.
std::vector<int16_t> Pull(int count) {
  std::lock_guard<std::mutex> guard(output.lock);
  if (output.feed == nullptr) return {};
  std::vector<int16_t> samples(static_cast<size_t>(count), -1);
  output.feed(samples.data(), count);
  return samples;
}

int Closings() {
  std::lock_guard<std::mutex> guard(output.lock);
  return output.closing;
}

bool DeviceOpen() { return EmulatorSoundDeviceOpen() == TRUE; }
bool DeviceClosed() { return EmulatorSoundDeviceOpen() == FALSE; }
bool Quiet() { return EmulatorSoundPlaying() == FALSE; }

// Pulls until the device gives a sample of `value`, and returns the pulls' samples.
std::vector<int16_t> PullUntil(int16_t value) {
  std::vector<int16_t> all;
  Eventually([&] {
    const std::vector<int16_t> some = Pull(64);
    all.insert(all.end(), some.begin(), some.end());
    return std::find(some.begin(), some.end(), value) != some.end();
  });
  return all;
}

// A synchronous play on a thread of the platform's, as the game's sound threads play.
std::future<BOOL> PlayToTheEnd(const std::u16string& path) {
  return OnPlatformThread([path] { return Play(path, 0); });
}
bool Returned(std::future<BOOL>& play) { return play.wait_for(5s) == std::future_status::ready; }

struct WavePlayerTest : testing::Test {
  void SetUp() override { EmulatorSetSoundTimes(30, 0); }
  void TearDown() override {
    for (bool* held : {&output.holdOpen, &output.holdClose}) Set(*held, false);
    Set(output.opens, true);
    Stop();
    EXPECT_TRUE(Eventually(DeviceClosed));
  }
};

TEST_F(WavePlayerTest, ASoundPlaysToItsEndAndTheDeviceClosesAWhileAfter) {
  EmulatorSetSoundTimes(300, 0);
  const std::u16string tone = Tone(7, 1000);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(TRUE, Play(tone));
    ASSERT_TRUE(Eventually(DeviceOpen));
    std::vector<int16_t> heard;
    while (!Quiet() && heard.size() < 2000) {
      const std::vector<int16_t> some = Pull(100);
      heard.insert(heard.end(), some.begin(), some.end());
    }
    EXPECT_LE(1100u, heard.size()) << "silence follows the last sample before the sound ends";
    std::vector<int16_t> sound(1000, 7);
    sound.resize(heard.size(), 0);
    EXPECT_EQ(sound, heard);
    EXPECT_TRUE(Quiet());
    EXPECT_TRUE(DeviceOpen()) << "the device stays open a while for the next sound";
    ASSERT_TRUE(Eventually(DeviceClosed));
  }
  EXPECT_EQ(1, output.decodes["/tone/7/1000"]) << "a file is decoded on its first play only";
}

// Every play first stops what plays, from whichever thread; what cannot play still stops it.
TEST_F(WavePlayerTest, APlayOrAStopCutsWhatPlays) {
  // What cuts, how, and what the device plays afterwards: 0 for nothing.
  const std::tuple<const char*, std::function<void()>, int16_t> cuts[] = {
      {"another play", [] { Play(Tone(2, 100000)); }, 2},
      {"a stop", Stop, 0},
      {"a file that cannot be read", [] { Play(u"\\no\\such.wav"); }, 0},
  };
  for (const auto& [what, cut, next] : cuts) {
    Play(Tone(1, 100000));
    PullUntil(1);
    cut();
    const std::vector<int16_t> after = Pull(64);
    EXPECT_EQ(after.end(), std::find(after.begin(), after.end(), 1)) << what << ": cut at once";
    if (next != 0)
      EXPECT_EQ(next, PullUntil(next).back()) << what;
    else
      EXPECT_TRUE(Eventually(Quiet)) << what;
  }
}

// A sound server can take seconds to open or close a device, or never answer: plays and
// stops made meanwhile return while it is held, and once it answers the latest one plays.
TEST_F(WavePlayerTest, PlaysReturnWhileTheDeviceIsHeldAndTheLatestPlaysAfterwards) {
  for (bool* held : {&output.holdOpen, &output.holdClose}) {
    const bool closing = held == &output.holdClose;
    Set(*held, true);
    if (closing) {  // a sound ends and the device starts closing after it
      Play(Tone(5, 100));
      PullUntil(5);
      const int closes = Closings();
      ASSERT_TRUE(Eventually([&] {
        Pull(64);
        return Closings() > closes;
      }));
    }
    EXPECT_EQ(TRUE, Play(Tone(8, 100000)));
    Stop();
    EXPECT_EQ(TRUE, Play(Tone(9, 100000)));
    std::future<BOOL> synchronous = PlayToTheEnd(Tone(10, 100000));
    for (int i = 0; i < 500 && synchronous.wait_for(10ms) != std::future_status::ready; ++i)
      EXPECT_EQ(TRUE, Play(Tone(11, 100000)));
    ASSERT_TRUE(Returned(synchronous)) << "a later play cuts a synchronous play that waits";
    EXPECT_EQ(TRUE, synchronous.get());
    Set(*held, false);
    const std::vector<int16_t> heard = PullUntil(11);
    for (int16_t cut : {8, 9, 10})
      EXPECT_EQ(heard.end(), std::find(heard.begin(), heard.end(), cut))
          << cut << (closing ? " closing" : " opening");
  }
}

TEST_F(WavePlayerTest, ADeviceThatCannotOpenPlaysNothing) {
  EmulatorSetSoundTimes(30, 60000);
  Set(output.opens, false);
  std::future<BOOL> play = PlayToTheEnd(Tone(6, 100));
  ASSERT_TRUE(Returned(play));
  EXPECT_EQ(FALSE, play.get());
  const int opens = output.opened;
  EXPECT_EQ(FALSE, Play(Tone(6, 100))) << "plays soon after fail at once";
  EXPECT_TRUE(Eventually(Quiet));
  Set(output.opens, true);
  EXPECT_EQ(FALSE, Play(Tone(6, 100), 0)) << "without trying the device again";
  EXPECT_EQ(opens, output.opened);
  EmulatorSetSoundTimes(30, 0);
  EXPECT_EQ(TRUE, Play(Tone(13, 100))) << "and then it is tried again";
  EXPECT_EQ(13, PullUntil(13).back());
}

// A device that stops asking for samples, as when the sound server hangs.
TEST_F(WavePlayerTest, ASoundOnADeviceThatStopsAskingEndsSomeSecondsAfterItsLength) {
  std::future<BOOL> play = PlayToTheEnd(Tone(12, 4410));
  ASSERT_TRUE(Eventually(DeviceOpen));
  EXPECT_EQ(std::future_status::timeout, play.wait_for(1s));
  ASSERT_TRUE(Returned(play));
  EXPECT_EQ(TRUE, play.get());
  EXPECT_TRUE(Quiet());
}

}  // namespace
