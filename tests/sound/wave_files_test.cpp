// The six generated wave files: the 16-bit mono PCM the player reads, short, with a
// moderate peak, no offset, soft ends, and each one different.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/temp_config.h"

namespace {

TEST(WaveFiles, AreShortMonoSixteenBitWithAModeratePeakNoOffsetAndSoftEnds) {
  std::vector<std::vector<int16_t>> all;
  for (const char* name : {"computer", "player", "box", "start", "win", "lose"}) {
    SCOPED_TRACE(name);
    const std::string b = ReadFileText(std::string(MARLIX_RES_DIR) + "/" + name + ".wav");
    auto le = [&b](size_t at, int bytes) {
      uint32_t v = 0;
      for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
      return v;
    };
    // One format chunk of PCM, mono, 16 bits, and the samples right after it.
    ASSERT_GT(b.size(), 44u);
    ASSERT_EQ(b.substr(0, 4) + b.substr(8, 8) + b.substr(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(std::make_tuple(le(4, 4), le(16, 4), le(20, 2), le(22, 2), le(34, 2), le(40, 4)),
              std::make_tuple(b.size() - 8, 16u, 1u, 1u, 16u, b.size() - 44));
    const uint32_t rate = le(24, 4);
    EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
    std::vector<int16_t> samples;
    double peak = 0, sum = 0;
    for (size_t at = 44; at + 1 < b.size(); at += 2) {
      samples.push_back(static_cast<int16_t>(le(at, 2)));
      peak = std::max(peak, std::fabs(samples.back() / 32768.0));
      sum += samples.back() / 32768.0;
    }
    const double seconds = static_cast<double>(samples.size()) / rate;
    EXPECT_TRUE(seconds > 0.05 && seconds < 1.5) << seconds;
    EXPECT_TRUE(20 * std::log10(peak) > -7.0 && 20 * std::log10(peak) < -5.0)
        << 20 * std::log10(peak) << " dB";
    EXPECT_LT(std::fabs(sum / static_cast<double>(samples.size())), 0.001) << "offset";
    EXPECT_LT(std::abs(samples.front()), 100) << "starts softly";
    EXPECT_LT(std::abs(samples.back()), 100) << "ends softly";
    for (const std::vector<int16_t>& other : all) EXPECT_NE(other, samples) << "each sound is its own";
    all.push_back(samples);
  }
}

}  // namespace
