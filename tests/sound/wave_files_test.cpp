// The six generated wave files: the format the player reads, short, with a moderate peak,
// no offset, soft ends, each one different, and the same bytes every time they are made.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/temp_config.h"

namespace {

const char* const Names[] = {"computer", "player", "box", "start", "win", "lose"};

struct Wave {
  uint32_t format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
};

// The format and the samples of a wave file, read through its chunks.
Wave ReadWave(const std::string& b) {
  auto le = [&b](size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
    return v;
  };
  Wave w;
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return w;
  for (size_t at = 12; at + 8 <= b.size();) {
    const uint32_t size = le(at + 4, 4);
    if (at + 8 + size > b.size()) break;
    if (b.compare(at, 4, "fmt ") == 0)
      std::tie(w.format, w.channels, w.rate, w.bits) =
          std::make_tuple(le(at + 8, 2), le(at + 10, 2), le(at + 12, 4), le(at + 22, 2));
    if (b.compare(at, 4, "data") == 0)
      for (uint32_t i = 0; i + 1 < size; i += 2) w.samples.push_back(static_cast<int16_t>(le(at + 8 + i, 2)));
    at += 8 + size + (size & 1);
  }
  return w;
}

TEST(WaveFiles, AreShortMonoSixteenBitWithAModeratePeakNoOffsetAndSoftEnds) {
  std::vector<std::vector<int16_t>> all;
  for (const char* name : Names) {
    SCOPED_TRACE(name);
    const Wave w = ReadWave(ReadFileText(std::string(MARLIX_RES_DIR) + "/" + name + ".wav"));
    ASSERT_FALSE(w.samples.empty());
    EXPECT_EQ(std::make_tuple(1u, 1u, 16u), std::make_tuple(w.format, w.channels, w.bits))
        << "PCM, mono, 16 bits";
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
    const double seconds = static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_TRUE(seconds > 0.05 && seconds < 1.5) << seconds;
    double peak = 0, sum = 0;
    for (int16_t s : w.samples) {
      peak = std::max(peak, std::fabs(s / 32768.0));
      sum += s / 32768.0;
    }
    EXPECT_TRUE(20 * std::log10(peak) > -7.0 && 20 * std::log10(peak) < -5.0)
        << 20 * std::log10(peak) << " dB";
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
  ASSERT_EQ(0, std::system((std::string(ASSETGEN) + " sounds " + root + "/again").c_str()));
  for (const char* name : Names) {
    const std::string made = ReadFileText(root + "/again/" + name + ".wav");
    EXPECT_FALSE(made.empty()) << name;
    EXPECT_EQ(ReadFileText(std::string(MARLIX_RES_DIR) + "/" + name + ".wav"), made) << name;
  }
  RemoveTempConfig(root);
}

}  // namespace
