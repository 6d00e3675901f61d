// A machine without sound output: every play returns at once and plays nothing.
#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "platform/mmsystem.h"
#include "tests/support/temp_config.h"
#include "tests/support/test_wave.h"

namespace {

TEST(NoSoundOutput, PlaysReturnAtOnceAndNothingPlays) {
  char pattern[] = "/tmp/marlix-sound-XXXXXX";
  const std::string folder = mkdtemp(pattern);
  // A sound SDL reads well, so the failure comes from the missing output.
  const std::u16string path = WriteTestWave(folder, "tone.wav", 0.1, 44100);

  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(FALSE, PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC));
    EXPECT_EQ(FALSE, PlaySoundW(path.c_str(), nullptr, SND_FILENAME));
    EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
    EXPECT_EQ(FALSE, EmulatorSoundPlaying());
    EXPECT_EQ(FALSE, EmulatorSoundDeviceOpen());
  }
  RemoveTempConfig(folder);
}

}  // namespace
