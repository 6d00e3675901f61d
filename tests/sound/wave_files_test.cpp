// The six generated wave files: the format the player reads, short, with a moderate peak,
// no offset, soft ends, each one different, and the same bytes every time they are made.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/temp_config.h"

namespace {

const char* const Names[] = {"computer", "player", "box", "start", "win", "lose"};

struct Wave {
  bool valid = false;
  uint16_t format = 0, channels = 0, bits = 0;
  uint32_t rate = 0;
  std::vector<int16_t> samples;
};

uint32_t Le(const std::string& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
  return v;
}

Wave ReadWave(const std::string& path) {
  const std::string b = ReadFileText(path);
  Wave w;
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return w;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    const uint32_t size = Le(b, at + 4, 4);
    if (at + 8 + size > b.size()) return w;
    if (id == "fmt ") {
      w.format = static_cast<uint16_t>(Le(b, at + 8, 2));
      w.channels = static_cast<uint16_t>(Le(b, at + 10, 2));
      w.rate = Le(b, at + 12, 4);
      w.bits = static_cast<uint16_t>(Le(b, at + 22, 2));
    } else if (id == "data") {
      for (uint32_t i = 0; i + 1 < size; i += 2) w.samples.push_back(static_cast<int16_t>(Le(b, at + 8 + i, 2)));
      w.valid = true;
    }
    at += 8 + size + (size & 1);
  }
  return w;
}

TEST(WaveFiles, AreShortMonoSixteenBitWithAModeratePeakNoOffsetAndSoftEnds) {
  std::vector<std::vector<int16_t>> all;
  for (const char* name : Names) {
    SCOPED_TRACE(name);
    const Wave w = ReadWave(std::string(MARLIX_RES_DIR) + "/" + name + ".wav");
    ASSERT_TRUE(w.valid);
    EXPECT_EQ(1, w.format) << "PCM";
    EXPECT_EQ(1, w.channels);
    EXPECT_EQ(16, w.bits);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
    const double seconds = static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 1.5);
    double peak = 0, sum = 0;
    for (int16_t s : w.samples) {
      peak = std::max(peak, std::fabs(s / 32768.0));
      sum += s / 32768.0;
    }
    const double peakDb = 20 * std::log10(peak);
    EXPECT_GT(peakDb, -7.0);
    EXPECT_LT(peakDb, -5.0);
    EXPECT_LT(std::fabs(sum / static_cast<double>(w.samples.size())), 0.001) << "offset";
    EXPECT_LT(std::abs(w.samples.front()), 100) << "starts softly";
    EXPECT_LT(std::abs(w.samples.back()), 100) << "ends softly";
    for (const std::vector<int16_t>& other : all) EXPECT_NE(other, w.samples) << "each sound is its own";
    all.push_back(w.samples);
  }
}

TEST(WaveFiles, AreTheSameBytesEveryTimeTheyAreMade) {
  std::string root;
  UseTempConfig(root);
  const std::string command = std::string(ASSETGEN) + " sounds " + root + "/again";
  ASSERT_EQ(0, std::system(command.c_str()));
  for (const char* name : Names) {
    const std::string made = ReadFileText(root + "/again/" + name + ".wav");
    EXPECT_FALSE(made.empty()) << name;
    EXPECT_EQ(ReadFileText(std::string(MARLIX_RES_DIR) + "/" + name + ".wav"), made) << name;
  }
  RemoveTempConfig(root);
}

}  // namespace
