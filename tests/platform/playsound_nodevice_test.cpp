// A machine without sound output: every play returns at once and plays nothing.
#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "platform/mmsystem.h"
#include "tests/support/temp_config.h"

namespace {

TEST(NoSoundOutput, PlaysReturnAtOnceAndNothingPlays) {
  char pattern[] = "/tmp/marlix-sound-XXXXXX";
  const std::string folder = mkdtemp(pattern);
  // A sound SDL reads well (0.1 s of silence), so the failure comes from the missing output.
  std::string wave = std::string("RIFF\xc4\x22\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00", 24);
  wave += std::string("\x44\xac\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00data\xa0\x22\x00\x00", 20);
  wave += std::string(0x22a0, '\0');
  WriteFileText(folder + "/silent.wav", wave);
  std::u16string path;
  for (char c : folder + "/silent.wav") path += c == '/' ? u'\\' : static_cast<char16_t>(c);

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
